// The built program as the operator runs it, each run in a sandbox of its own (settings
// folder, runtime directory and so single-instance scope, working directory, the meter
// emulator as COM1, a private sound server as its sound card), under Xvfb where it needs one.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <gtest/gtest.h>

#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>
#include <tuple>
#include <utility>

#include "platform/linux/LinuxProfileFile.h"
#include "platform/linux/PosixSharedMemory.h"
#include "support/MeterSim.h"
#include "support/MqttBroker.h"
#include "support/Process.h"
#include "support/ScopedEnv.h"
#include "support/SoundServer.h"
#include "support/TempConfigHome.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Generous: slow machines and sanitizers.
bool WaitUntil(const std::function<bool()>& done, std::chrono::seconds limit = 60s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// How many descriptors a process has open.
long OpenDescriptors(pid_t pid) {
    const fs::directory_iterator fds("/proc/" + std::to_string(pid) + "/fd");
    return std::distance(fs::begin(fds), fs::end(fds));
}

struct Sandbox {
    explicit Sandbox(const std::string& settings) {
        ::flock(lock, LOCK_EX);
        fs::create_directories(work);
        fs::create_directories(home.ConfigDir() + "/dosdevices");
        fs::create_directories(run);
        fs::permissions(run, fs::perms::owner_all);
        home.WriteSettings(settings);
        sim =
            std::make_unique<MeterSim>(home.ConfigDir() + "/dosdevices/com1", MeterSim::Options{});
    }
    // A killed instance leaves its block behind, outside the sandbox.
    ~Sandbox() {
        ::shm_unlink(PosixSharedMemory::ObjectName("quorvane").c_str());
        ::close(lock);
    }

    // The program's shared-memory block is one per user, whatever the sandbox: runs of these
    // tests from other processes (another build, the mutation tester) wait for each other.
    const int lock = ::open(("/tmp/quorvane-e2e-" + std::to_string(::geteuid()) + ".lock").c_str(),
                            O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    TempConfigHome home;
    const std::string work = home.Root() + "/work";
    const std::string run = home.Root() + "/run";
    ScopedEnv runtime{"XDG_RUNTIME_DIR", run};
    SoundServer sound{{"qvtest=Quorvane Test"}};
    std::unique_ptr<MeterSim> sim;
};

// One run, its output going to the test's; killed if still running when destroyed.
class Program {
public:
    // `platform` null: the program chooses. `errors`: a file for its standard error.
    Program(const Sandbox& box, const char* platform, const std::string& errors = "",
            std::vector<std::string> command = {QUORVANE_PROGRAM}) {
        const ScopedEnv qpa("QT_QPA_PLATFORM",
                            platform ? std::optional<std::string>(platform) : std::nullopt);
        pid_ = Spawn(std::move(command), [&](posix_spawn_file_actions_t* actions) {
            posix_spawn_file_actions_addchdir_np(actions, box.work.c_str());
            if (!errors.empty())
                posix_spawn_file_actions_addopen(actions, 2, errors.c_str(),
                                                 O_WRONLY | O_CREAT | O_TRUNC, 0600);
        });
    }
    ~Program() { End(SIGKILL); }
    pid_t Pid() const { return pid_; }
    bool Running() const {
        siginfo_t ended{};
        ::waitid(P_PID, pid_, &ended, WEXITED | WNOHANG | WNOWAIT);
        return ended.si_pid == 0;
    }
    // Sends `signal` (0: none), then waits: the exit code, or 128 + the ending signal.
    int End(int signal = 0) {
        if (pid_ <= 0) return -1;
        if (signal != 0) ::kill(pid_, signal);
        if (!WaitUntil([this] { return !Running(); })) return -1;
        int status = 0;
        ::waitpid(std::exchange(pid_, -1), &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    pid_t pid_ = -1;
};

// Xvfb on a free display, named by DISPLAY while this lives.
class XServer {
public:
    XServer() {
        // Without -noreset it resets when its last client goes and refuses the next one.
        int report[2];
        EXPECT_EQ(::pipe(report), 0);
        pid_ = Spawn({"Xvfb", "-displayfd", std::to_string(report[1]), "-screen", "0",
                      "1024x768x24", "-nolisten", "tcp", "-nolock", "-noreset"},
                     [&](posix_spawn_file_actions_t* actions) {
                         posix_spawn_file_actions_addclose(actions, report[0]);
                         posix_spawn_file_actions_addopen(actions, 2, "/dev/null", O_WRONLY, 0);
                     });
        ::close(report[1]);
        std::string number;
        for (char c; ::read(report[0], &c, 1) == 1 && c != '\n';) number += c;
        ::close(report[0]);
        if (!number.empty()) display_.emplace("DISPLAY", ":" + number);
    }
    ~XServer() { EndChild(pid_); }
    bool Up() const { return display_.has_value(); }

private:
    pid_t pid_ = -1;
    std::optional<ScopedEnv> display_;
};

// GNOME's compositor, headless, with its XWayland, on a session bus of its own, naming
// WAYLAND_DISPLAY, DISPLAY and XAUTHORITY while it lives. Once its displays are up it runs
// a command with their names in its environment, which writes them down and holds on until
// this object lets go of a lock; mutter ends with it.
class Mutter {
public:
    explicit Mutter(const std::string& folder) {
        const std::string names = folder + "/displays", lock = folder + "/mutter.lock";
        ::flock(hold_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600), LOCK_EX);
        const std::string report = "echo \"$WAYLAND_DISPLAY $DISPLAY $XAUTHORITY\" >" + names +
                                   ".new && mv " + names + ".new " + names + " && exec flock " +
                                   lock + " true";
        pid_ =
            Spawn({"dbus-run-session", "--", "mutter", "--wayland", "--headless",
                   "--virtual-monitor", "1024x768", "--sm-disable", "--", "sh", "-c", report},
                  [&](posix_spawn_file_actions_t* actions) {
                      posix_spawn_file_actions_addopen(actions, 1, (folder + "/mutter.log").c_str(),
                                                       O_WRONLY | O_CREAT | O_TRUNC, 0600);
                      posix_spawn_file_actions_adddup2(actions, 1, 2);
                  });
        std::istringstream said(
            pid_ > 0 && WaitUntil([&] { return fs::exists(names); }, 30s) ? FileText(names) : "");
        for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY", "XAUTHORITY"})
            if (std::string value; said >> value) names_.emplace_back(name, value);
    }
    ~Mutter() {
        ::close(hold_);
        if (pid_ > 0 && !WaitUntil([this] { return ::waitpid(pid_, nullptr, WNOHANG) != 0; }, 10s))
            EndChild(pid_, SIGKILL);
    }
    bool Up() const { return names_.size() == 3; }

private:
    int hold_ = -1;
    pid_t pid_ = -1;
    std::list<ScopedEnv> names_;
};

// "Left,Top Window State" as the sandbox's settings file has them.
std::string SavedPlace(const Sandbox& box) {
    const LinuxProfileFile file(box.home.SettingsPath());
    const auto key = [&](const char* k) { return file.Read("SCREEN PARMS", k).value_or(""); };
    return key("Left") + "," + key("Top") + " " + key("Window State");
}

// The first window of `pid` titled exactly `title` (no regular-expression characters), or "".
std::string Window(pid_t pid, const std::string& title, bool onlyVisible = true) {
    const std::string ids =
        Shell("xdotool search --all --pid " + std::to_string(pid) +
              (onlyVisible ? " --onlyvisible" : "") + " --name '^" + title + "$' 2>/dev/null");
    return ids.substr(0, ids.find('\n'));
}

// Questions answered before any window opens, and an unknown option refused; a program
// that started instead is ended by the time limit and fails its case.
TEST(ProgramTest, AnswersItsCommandLine) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"--version", 0, "Quorvane Version "}, {"-h", 0, "--version"}, {"--bogus", 2, "bogus"}};
    for (const auto& [option, status, printed] : cases) {
        int ended = -1;
        const std::string text =
            Shell(std::string("timeout 30 ") + QUORVANE_PROGRAM + " " + option + " 2>&1", &ended);
        EXPECT_EQ(ended, status) << option;
        EXPECT_NE(text.find(printed), std::string::npos) << option << ": " << text;
    }
}

// Its availability on a mosquitto broker: "online" while it runs, "offline" however it ends:
// from the program itself on an orderly end, which ends with status 0, writes the settings
// file anew and gives up the single-instance claim for the next start; from the broker (its
// last will) when killed.
TEST(ProgramTest, ItsMqttAvailabilityGoesOfflineHoweverItEnds) {
    Sandbox box("");
    MqttBroker broker(box.home.Root());
    broker.Start();
    const std::string settings =
        "[MQTT]\r\nEnabled=1\r\nHost=127.0.0.1\r\nTopic=e2e\r\nUsername=shack\r\n"
        "Password=s3cret\r\nPort=" +
        std::to_string(broker.port) + "\r\n";
    const MqttSubscriber heard(broker, "e2e/availability", box.home.Root() + "/heard");
    const auto says = [&heard](const char* word) {
        return [&heard, word] {
            return !heard.Lines().empty() && heard.Lines().back().ends_with(word);
        };
    };
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
        SCOPED_TRACE(signal);
        box.home.WriteSettings(settings);
        Program program(box, "offscreen");
        ASSERT_TRUE(WaitUntil(says(" online")));
        EXPECT_EQ(program.End(signal), signal == SIGKILL ? 128 + SIGKILL : 0);
        EXPECT_TRUE(WaitUntil(says(" offline"), 10s));
        EXPECT_EQ(LinuxProfileFile(box.home.SettingsPath()).Read("POWER LIMITS", "QRP jumpered"),
                  signal == SIGKILL ? std::nullopt : std::optional<std::string>("1"));
    }
}

// Minimized under X, its taskbar text carries the status: "OK" for SIGNAL OK. Unplugged for
// 3 s and plugged back, ten times: it notices, reopens the port, identifies the meter again
// and polls on; no restart, no descriptor left. A second start then ends at once,
// brings it forward and leaves the meter, the log and the settings alone. It listens over a
// socket file a crashed instance left behind, for its user alone.
TEST(ProgramTest, SurvivesUnplugsAndASecondStartBringsItForward) {
    XServer x;
    ASSERT_TRUE(x.Up()) << "Xvfb did not start (scripts/setup installs it)";
    Sandbox box("[MISC]\r\nDebug=1\r\nRefresh Rate=250\r\n[SCREEN PARMS]\r\nWindow State=1\r\n");
    const std::string socket = box.run + "/quorvane.socket";
    sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
    socket.copy(address.sun_path, sizeof address.sun_path - 1);
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(stale);
    Program first(box, "xcb");
    const pid_t pid = first.Pid();
    const auto shows = [&](const char* title) { return !Window(pid, title, false).empty(); };
    ASSERT_TRUE(WaitUntil([&] { return shows("OK"); }));
    EXPECT_EQ(fs::status(socket).permissions() & (fs::perms::group_all | fs::perms::others_all),
              fs::perms::none);
    long settled = 0;
    for (int round = 1; round <= 10; ++round) {
        const int identifications = box.sim->CommandCount('v');
        const auto unplugged = std::chrono::steady_clock::now();
        box.sim->Plug(false);
        EXPECT_TRUE(WaitUntil([&] { return shows("METER DISCONNECTED"); })) << round;
        std::this_thread::sleep_until(unplugged + 3s);
        box.sim->Plug(true);
        ASSERT_TRUE(WaitUntil([&] { return shows("OK"); })) << round;
        EXPECT_GT(box.sim->CommandCount('v'), identifications);
        if (round == 1) settled = OpenDescriptors(pid);
        EXPECT_EQ(OpenDescriptors(pid), settled);
    }
    const std::string settings = box.home.ReadSettings(),
                      log = FileText(box.work + "/quorvane.log");
    const int identifications = box.sim->CommandCount('v');

    Program second(box, "xcb");
    EXPECT_EQ(second.End(), 0);
    EXPECT_TRUE(WaitUntil([&] { return !Window(pid, "PSK31 RF Monitoring on COM1").empty(); }));
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(box.sim->CommandCount('v'), identifications);
    EXPECT_TRUE(FileText(box.work + "/quorvane.log").starts_with(log));
    EXPECT_EQ(box.home.ReadSettings(), settings);
}

// The desktop's language (LANG) or the one --language names: the log names the catalogue
// loaded, and the minimized window's title carries the status word as that catalogue has it.
TEST(ProgramTest, SpeaksTheDesktopsLanguageOrTheOneAsked) {
    XServer x;
    ASSERT_TRUE(x.Up()) << "Xvfb did not start (scripts/setup installs it)";
    const ScopedEnv all("LC_ALL", std::nullopt), messages("LC_MESSAGES", std::nullopt),
        languages("LANGUAGE", std::nullopt);
    for (const auto& [lang, option, code] : {std::tuple{"C", "", "en"},
                                             {"de_DE.UTF-8", "", "de"},
                                             {"de_DE.UTF-8", "--language=fr", "fr"}}) {
        SCOPED_TRACE(code);
        QTranslator catalogue;
        ASSERT_TRUE(std::string(code) == "en" ||
                    catalogue.load(QString(QUORVANE_CATALOGUES "/quorvane_") + code));
        const std::string ok = catalogue.translate("StatusWord", "OK").toStdString();
        Sandbox box("[MISC]\r\nDebug=1\r\n[SCREEN PARMS]\r\nWindow State=1\r\n");
        const ScopedEnv language("LANG", lang);
        std::vector<std::string> command{QUORVANE_PROGRAM, option};
        if (command.back().empty()) command.pop_back();
        Program program(box, "xcb", "", command);
        EXPECT_TRUE(WaitUntil(
            [&] { return !Window(program.Pid(), ok.empty() ? "OK" : ok, false).empty(); }));
        EXPECT_EQ(program.End(SIGTERM), 0);
        EXPECT_NE(FileText(box.work + "/quorvane.log").find(std::string("Language: ") + code),
                  std::string::npos);
    }
}

// Where an X window's frame is, as Left and Top place it.
std::string FramePlace(const std::string& window) {
    int x = 0, y = 0, left = 0, right = 0, top = 0;
    std::sscanf(Shell("xwininfo -id " + window + " | grep Absolute").c_str(),
                " Absolute upper-left X: %d Absolute upper-left Y: %d", &x, &y);
    std::sscanf(Shell("xprop -id " + window + " _NET_FRAME_EXTENTS").c_str(),
                "_NET_FRAME_EXTENTS(CARDINAL) = %d, %d, %d", &left, &right, &top);
    return std::to_string(x - left) + "," + std::to_string(y - top);
}

// GNOME's compositor as it ships. Through XWayland, which the program picks by itself: the
// stored place is honoured and saved back, Always on Top keeps the window above,
// minimized its title is "OK", and a second start brings it forward. Natively (asked for in
// quorvane.ini): the status goes before the caption, the window does not start minimized, a
// second start hands over its activation token, which the first one spends, Left and Top
// stay as the X11 session left them, and nothing is said on stderr.
TEST(ProgramTest, RunsInGnomesCompositorThroughXWaylandAndNatively) {
    Sandbox box(
        "[MISC]\r\nRefresh Rate=250\r\n[SCREEN PARMS]\r\nLeft=100\r\nTop=120\r\n"
        "Window State=1\r\n");
    const Mutter mutter(box.home.Root());
    ASSERT_TRUE(mutter.Up()) << "mutter did not start (scripts/setup installs it)";
    const std::string errors = box.home.Root() + "/stderr";
    const auto said = [&](const std::string& text) {
        return FileText(errors).find(text) != std::string::npos;
    };
    {
        Program first(box, nullptr, errors);
        const pid_t pid = first.Pid();
        ASSERT_TRUE(WaitUntil([&] { return !Window(pid, "OK", false).empty(); }));
        EXPECT_EQ(Program(box, nullptr).End(), 0);
        std::string window;
        ASSERT_TRUE(WaitUntil(
            [&] { return !(window = Window(pid, "PSK31 RF Monitoring on COM1")).empty(); }));
        EXPECT_EQ(FramePlace(window), "100,120");
        EXPECT_EQ(Shell("xprop -id " + window + " _NET_WM_STATE"),
                  "_NET_WM_STATE(ATOM) = _NET_WM_STATE_ABOVE, _NET_WM_STATE_FOCUSED\n");
        EXPECT_EQ(first.End(SIGTERM), 0);
        EXPECT_EQ(FileText(errors), "");
    }
    EXPECT_EQ(SavedPlace(box), "100,120 0");

    LinuxProfileFile(box.home.SettingsPath()).Write("MISC", "Platform", "wayland");
    LinuxProfileFile(box.home.SettingsPath()).Write("SCREEN PARMS", "Window State", "1");
    {
        // Every request to the compositor traced on stderr, each line after its time in [].
        const ScopedEnv trace("WAYLAND_DEBUG", "client");
        Program first(box, nullptr, errors);
        ASSERT_TRUE(
            WaitUntil([&] { return said("set_title(\"OK - PSK31 RF Monitoring on COM1\")"); }));
        {
            const ScopedEnv token("XDG_ACTIVATION_TOKEN", "quorvane-test-token");
            EXPECT_EQ(Program(box, nullptr).End(), 0);
        }
        EXPECT_TRUE(
            WaitUntil([&] { return said(".activate(\"quorvane-test-token\", wl_surface"); }));
        EXPECT_FALSE(said("set_minimized"));
        EXPECT_EQ(first.End(SIGTERM), 0);
        std::istringstream lines(FileText(errors));
        for (std::string line; std::getline(lines, line);) EXPECT_EQ(line[0], '[') << line;
    }
    EXPECT_EQ(SavedPlace(box), "100,120 0");
}

// A Wayland session without XWayland where Qt's Wayland plugin is not installed (its
// folder hidden by a private mount): one line says why and the program ends with status 1,
// where Qt would abort, whether it chose or was told to run natively.
TEST(ProgramTest, SaysWhyWhenNoPluginCanOpenAWindow) {
    if (Shell("unshare --map-root-user --mount true 2>&1; echo $?") != "0\n")
        GTEST_SKIP() << "no private mounts here";
    const TempConfigHome home;
    const ScopedEnv wayland("WAYLAND_DISPLAY", "wayland-none"), x("DISPLAY", std::nullopt);
    const std::string plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath).toStdString();
    const std::pair<std::optional<std::string>, const char*> cases[] = {
        {std::nullopt, "no X display (XWayland) and Qt's Wayland plugin is not installed"},
        {"wayland", "Qt's wayland plugin is not installed"}};
    for (const auto& [platform, why] : cases) {
        const ScopedEnv qpa("QT_QPA_PLATFORM", platform);
        int status = -1;
        const std::string said =
            Shell("unshare --map-root-user --mount sh -c 'mount -t tmpfs none " + plugins +
                      "/platforms && exec " QUORVANE_PROGRAM "' 2>&1",
                  &status);
        EXPECT_EQ(status, 1) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find(why), std::string::npos) << said;
    }
}

}  // namespace
