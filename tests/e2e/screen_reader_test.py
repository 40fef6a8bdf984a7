#!/usr/bin/python3
"""The program as a screen reader meets it: on a private session bus with a real
accessibility bus, under Xvfb, against the meter emulator.

    screen_reader_test.py QUORVANE METER_SIM SOUND_SERVER

Checks that the status line's items are found by role and name, that the status word's name
follows a splatter and the clean signal after it with one name-change event each, that
Shift+F10 opens the pop-up menu and the keyboard alone chooses its entries, and that every
editable field of each window they open has a name or a label; then, started again with
LANG set to Spanish, that the status word and the menu come as the Spanish catalogue has them.
Exit status 77 (skipped)
only when at-spi2-core is not installed; any other shortfall fails.
"""

import fcntl
import os
import re
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import time

LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
# The pop-up menu's entries that open a window of their own.
OPENS_WINDOW = ("Com Port", "Refresh Rate", "Feedback gain", "Target IMD", "Noise Threshold",
                "Find Best Level...", "Power Limit", "Show Power", "MQTT...", "Set Sound Card",
                "Test Sound Card", "History...", "About")
SPANISH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "translations",
                      "quorvane_es.ts")
FIGURES = (r"IMD -?\d+[.,]\d dB", r"RMS \d+[.,]\d\d %", r"PEAK \d[.,]\d V", r"\d+[.,]\d W",
           r"LEVEL \d+ %")


class Failure(Exception):
    pass


def catalogue(path):
    """(context, English) to the translation, from a Qt Linguist source."""
    import xml.etree.ElementTree as ET
    return {(context.findtext("name"), message.findtext("source")): message.findtext("translation")
            for context in ET.parse(path).getroot().iter("context")
            for message in context.iter("message")}


def wait_for(what, condition, timeout=30):
    """Dispatches accessibility events until `condition` gives something true."""
    from gi.repository import GLib
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            found = condition()
        except Exception:  # objects come and go while windows open and close
            found = None
        if found:
            return found
        time.sleep(0.05)
    raise Failure("timed out waiting for " + what)


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def showing(app, role):
    import pyatspi
    return [w for w in walk(app) if w.getRoleName() == role and
            w.getState().contains(pyatspi.STATE_SHOWING)]


def unlabelled_fields(window):
    """The window's editable fields (sliders too) and those a reader could not name."""
    import pyatspi
    fields = [a for a in walk(window) if a.getState().contains(pyatspi.STATE_EDITABLE) or
              a.getRole() == pyatspi.ROLE_SLIDER]
    labelled = lambda a: a.name.strip() or any(
        r.getRelationType() == pyatspi.RELATION_LABELLED_BY for r in a.getRelationSet())
    return fields, [a.getRoleName() for a in fields if not labelled(a)]


def x_window(pid, title):
    """The visible X window of process `pid` titled `title`."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                         capture_output=True, text=True).stdout.split()
    return next((i for i in ids if subprocess.run(["xdotool", "getwindowname", i], capture_output=True,
                                                  text=True).stdout.strip() == title), None)


def key(*keys, window=None):
    focus = ["windowfocus", "--sync", window] if window else []
    subprocess.run(["xdotool", *focus, "key", "--delay", "40", *keys], check=True)


def run(program, meter_sim, sound_server, root):
    import pyatspi
    children = []

    def start(args, **kw):
        children.append(subprocess.Popen(args, **kw))
        return children[-1]

    try:
        for folder in ("work", "run"):
            os.makedirs(os.path.join(root, folder), mode=0o700)
        # The accessibility bus's socket goes to the runtime folder, else to the home folder.
        os.environ["XDG_RUNTIME_DIR"] = os.path.join(root, "run")
        launcher = next(path for path in LAUNCHERS if os.path.exists(path))
        start([launcher, "--launch-immediately"], stderr=subprocess.DEVNULL)
        wait_for("the accessibility bus", lambda: "true" in subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
            capture_output=True, text=True).stdout)
        read, write = os.pipe()
        start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", "-nolock", "-noreset"], pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as said:
            os.environ["DISPLAY"] = ":" + said.readline().strip()

        config = os.path.join(root, "config")
        os.makedirs(os.path.join(config, "quorvane", "dosdevices"))
        with open(os.path.join(config, "quorvane", "quorvane.ini"), "w") as ini:
            ini.write("[MISC]\nRefresh Rate=250\nALC=0\n[SHOW POWER]\nShow Power=1\n")
        env = dict(os.environ, XDG_CONFIG_HOME=config,
                   QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1")
        sound = subprocess.run([sound_server, "start", os.path.join(root, "sound"), "--owner",
                                str(os.getpid())], capture_output=True, text=True)
        for line in sound.stdout.splitlines():
            name, value = line.removeprefix("export ").split("=", 1)
            env[name] = shlex.split(value)[0]

        scenario, commands = os.path.join(root, "scenario"), os.path.join(root, "commands")
        with open(scenario, "w") as f:
            f.write("clean\n")
        sim = start([meter_sim, "--link", os.path.join(config, "quorvane", "dosdevices", "com1"),
                     "--scenario-file", scenario, "--command-log", commands],
                    stdout=subprocess.PIPE, text=True)
        if not sim.stdout.readline().startswith("ready"):
            raise Failure("the meter emulator did not start")

        # Listening before the program starts, so that it sends the events from the first.
        heard, focused = [], []
        pyatspi.Registry.registerEventListener(
            lambda e: heard.append((e.source, e.source.name)),
            "object:property-change:accessible-name")
        # A pop-up menu is no child of the application: a reader meets it by its focused entry.
        pyatspi.Registry.registerEventListener(
            lambda e: e.detail1 and focused.append(e.source), "object:state-changed:focused")
        quorvane = start([program], env=env, cwd=os.path.join(root, "work"))
        app = wait_for("the program on the bus", lambda: next(
            (a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == quorvane.pid),
            None))

        # The status line: a status bar of labels named by their texts, units spoken.
        bar = wait_for("the status line", lambda: showing(app, "status bar"))[0]
        status = wait_for("SIGNAL OK", lambda: next(
            (a for a in walk(bar) if a.getRoleName() == "label" and a.name == "SIGNAL OK"), None))
        names = wait_for("the figures", lambda: (
            names := [a.name for a in walk(bar) if a.getRoleName() == "label"]) and
            all(any(re.fullmatch(f, n) for n in names) for f in FIGURES) and names)
        chart = showing(app, "chart")[0]
        if chart.name != "Envelope chart" or "SIGNAL OK, IMD " not in chart.description:
            raise Failure(f"chart {chart.name!r}: {chart.description!r} (status line {names})")

        # One name change per change of the status word, however many cycles it lasts.
        def cycles(n):
            start_count = open(commands).read().count("\n")
            wait_for(f"{n} more commands", lambda: open(commands).read().count("\n") >= start_count + n)
        cycles(8)
        heard.clear()
        for word, signal_kind in (("SPLATTER!", "splatter"), ("SIGNAL OK", "clean")):
            with open(scenario, "w") as f:
                f.write(signal_kind + "\n")
            wait_for(word, lambda: status.name == word)
            cycles(8)
        said = [name for source, name in heard if source == status]
        if said != ["SPLATTER!", "SIGNAL OK"]:
            raise Failure(f"status word events {said}")

        # The pop-up menu from the keyboard; each window it opens read by its fields' names.
        frame = showing(app, "frame")[0]
        main = wait_for("the main window", lambda: x_window(quorvane.pid, frame.name))
        def open_menu(*keys):
            focused.clear()
            key(*keys, window=main)
            entry = wait_for("the menu from " + keys[0], lambda: next(
                (f for f in focused if f.getRole() in (pyatspi.ROLE_MENU_ITEM,
                                                       pyatspi.ROLE_CHECK_MENU_ITEM)), None))
            return entry.parent

        menu = open_menu("Menu")
        key("Escape")
        wait_for("the menu to close", lambda: not menu.getState().contains(pyatspi.STATE_SHOWING))
        fields_seen, visited = 0, []
        for entry in OPENS_WINDOW:
            menu = open_menu("shift+F10")
            # The first working entry is current; Down passes over those that do not work.
            working = [item.name for item in walk(menu) if item.getRole() != pyatspi.ROLE_POPUP_MENU
                       and item.getState().contains(pyatspi.STATE_ENABLED)]
            windows = lambda: [w for role in ("dialog", "frame", "window") for w in showing(app, role)]
            known = {w.name for w in windows()}
            key(*["Down"] * working.index(entry), "Return")
            window = wait_for(entry, lambda: [w for w in windows() if w.name not in known])[0]
            own = wait_for(window.name, lambda: x_window(quorvane.pid, window.name))
            fields, unlabelled = unlabelled_fields(window)
            if unlabelled:
                raise Failure(f"{window.name}: fields without a name or label: {unlabelled}")
            fields_seen += len(fields)
            visited.append(window.name)
            key("Escape", window=own)
            try:
                wait_for(window.name + " to close", lambda: not window.getState().contains(
                    pyatspi.STATE_SHOWING), timeout=5)
            except Failure:  # a note answers Enter only
                key("Return", window=own)
                wait_for(window.name + " to close", lambda: not window.getState().contains(
                    pyatspi.STATE_SHOWING))
        if fields_seen < 8:
            raise Failure(f"only {fields_seen} fields in {visited}")
        print(f"read {fields_seen} fields in {visited}")
        quorvane.send_signal(signal.SIGTERM)
        if quorvane.wait(30) != 0:
            raise Failure("the program did not end cleanly")

        # The desktop in Spanish: the status word and the menu's entries as its catalogue says.
        spanish = catalogue(SPANISH)
        quorvane = start([program], env=dict(env, LANG="es_ES.UTF-8", LANGUAGE=""),
                         cwd=os.path.join(root, "work"))
        app = wait_for("the Spanish program on the bus", lambda: next(
            (a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == quorvane.pid),
            None))
        bar = wait_for("the status line", lambda: showing(app, "status bar"))[0]
        word = spanish[("StatusWord", "SIGNAL OK")]
        wait_for(word, lambda: any(a.name == word for a in walk(bar)))
        main = wait_for("the main window", lambda: x_window(quorvane.pid, showing(app, "frame")[0].name))
        entries = {item.name for item in walk(open_menu("shift+F10"))}
        untranslated = [e for e in OPENS_WINDOW if spanish[("MainWindow", e)] not in entries]
        if untranslated:
            raise Failure(f"menu entries not in Spanish: {untranslated} (menu {sorted(entries)})")
        key("Escape", window=main)
        quorvane.send_signal(signal.SIGTERM)
        if quorvane.wait(30) != 0:
            raise Failure("the Spanish program did not end cleanly")
        return 0
    finally:
        for child in reversed(children):
            child.terminate()  # the bus launcher ends its bus with it
            try:
                child.wait(10)
            except subprocess.TimeoutExpired:
                child.kill()
                child.wait()
        if os.path.isdir(os.path.join(root, "sound")):
            subprocess.run([sound_server, "stop", os.path.join(root, "sound")])


def main():
    if not any(os.path.exists(path) for path in LAUNCHERS):
        print("SKIPPED: at-spi2-core is not installed (no at-spi-bus-launcher)")
        return 77
    if os.environ.get("QUORVANE_PRIVATE_BUS") != "1":
        # A session bus of its own, so the accessibility bus and the program's are private.
        return subprocess.call(["dbus-run-session", "--", sys.executable, *sys.argv],
                               env=dict(os.environ, QUORVANE_PRIVATE_BUS="1"))
    # The program is one instance per user: other end-to-end runs wait for this one.
    with open(f"/tmp/quorvane-e2e-{os.geteuid()}.lock", "a") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        root = tempfile.mkdtemp(prefix="quorvane-a11y.")
        try:
            return run(*map(os.path.abspath, sys.argv[1:4]), root)
        except Failure as failure:
            print("FAILED:", failure)
            return 1
        finally:
            shutil.rmtree(root, ignore_errors=True)
            if os.path.exists(f"/dev/shm/quorvane-{os.geteuid()}"):
                os.unlink(f"/dev/shm/quorvane-{os.geteuid()}")


if __name__ == "__main__":
    sys.exit(main())
