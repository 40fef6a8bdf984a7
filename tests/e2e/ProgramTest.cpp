// The built program as the operator runs it, each run in a sandbox of its own (settings
// folder, runtime directory and so single-instance scope, working directory, the meter
// emulator as COM1, a private sound server as its sound card), under Xvfb where it needs one.

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>
#include <tuple>

#include "platform/linux/LinuxProfileFile.h"
#include "platform/linux/PosixSharedMemory.h"
#include "support/MeterSim.h"
#include "support/Process.h"
#include "support/ScopedEnv.h"
#include "support/SoundServer.h"
#include "support/TempConfigHome.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const std::string kCaption = "PSK31 RF Monitoring on COM1";

std::string ReadFile(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// Generous: slow machines and sanitizers.
bool WaitUntil(const std::function<bool()>& done, std::chrono::seconds limit = 60s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// A process's open descriptors and resident kilobytes.
std::pair<long, long> Footprint(pid_t pid) {
    const std::string proc = "/proc/" + std::to_string(pid);
    std::error_code gone;
    const fs::directory_iterator fds(proc + "/fd", gone);
    std::ifstream status(proc + "/status");
    std::string line;
    while (std::getline(status, line) && !line.starts_with("VmRSS:")) continue;
    return {std::distance(fs::begin(fds), fs::end(fds)), std::atol(line.c_str() + 6)};
}

// The program's shared-memory block is one per user, whatever the sandbox: runs of these
// tests from other processes (another build, the mutation tester) wait for each other.
class UserWideLock {
public:
    UserWideLock()
        : fd_(::open(("/tmp/quorvane-e2e-" + std::to_string(::geteuid()) + ".lock").c_str(),
                     O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_ >= 0) ::flock(fd_, LOCK_EX);
    }
    ~UserWideLock() { ::close(fd_); }
    UserWideLock(const UserWideLock&) = delete;
    UserWideLock& operator=(const UserWideLock&) = delete;

private:
    int fd_;
};

struct Sandbox {
    explicit Sandbox(const std::string& settings) {
        fs::create_directories(work);
        fs::create_directories(home.ConfigDir() + "/dosdevices");
        fs::create_directories(run);
        fs::permissions(run, fs::perms::owner_all);
        home.WriteSettings(settings);
        sim =
            std::make_unique<MeterSim>(home.ConfigDir() + "/dosdevices/com1", MeterSim::Options{});
    }
    // A killed instance leaves its block behind, outside the sandbox.
    ~Sandbox() { ::shm_unlink(PosixSharedMemory::ObjectName("quorvane").c_str()); }

    UserWideLock lock;
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
    // `runAs`: a command to start it through (setpriv as another user).
    Program(const Sandbox& box, const char* platform, std::vector<std::string> runAs = {}) {
        const ScopedEnv qpa("QT_QPA_PLATFORM", platform);
        runAs.push_back(QUORVANE_PROGRAM);
        pid_ = Spawn(runAs, [&](posix_spawn_file_actions_t* actions) {
            posix_spawn_file_actions_addchdir_np(actions, box.work.c_str());
        });
    }
    ~Program() { End(SIGKILL); }
    pid_t Pid() const { return pid_; }
    bool Running() {
        int status = 0;
        if (status_ || ::waitpid(pid_, &status, WNOHANG) != pid_) return !status_;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    // Sends `signal` (0: none), then waits: the exit code, or 128 + the ending signal.
    std::optional<int> End(int signal = 0) {
        if (signal != 0 && Running()) ::kill(pid_, signal);
        WaitUntil([this] { return !Running(); });
        return status_;
    }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
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

const char kMinimized[] = "[MISC]\r\nDebug=1\r\n[SCREEN PARMS]\r\nWindow State=1\r\n";

// What `command` prints, and how it ended.
std::string Shell(const std::string& command, int* status = nullptr) {
    FILE* out = ::popen(command.c_str(), "r");
    std::string text;
    for (int c; out && (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
    const int ended = out ? ::pclose(out) : -1;
    if (status) *status = WEXITSTATUS(ended);
    return text;
}

std::string Xdotool(const std::string& arguments) {
    return Shell("xdotool " + arguments + " 2>/dev/null");
}

// The first window of `pid` titled exactly `title` (no regular-expression characters), or "".
std::string Window(pid_t pid, const std::string& title, bool onlyVisible = true) {
    const std::string ids =
        Xdotool("search --all --pid " + std::to_string(pid) +
                (onlyVisible ? " --onlyvisible" : "") + " --name '^" + title + "$'");
    return ids.substr(0, ids.find('\n'));
}

// The COM number whose dosdevices link names `target`, or 0.
int ComPortLinkedTo(const Sandbox& box, const std::string& target) {
    for (const auto& link : fs::directory_iterator(box.home.ConfigDir() + "/dosdevices"))
        if (fs::is_symlink(link.symlink_status()) && fs::read_symlink(link.path()) == target)
            return std::stoi(link.path().filename().string().substr(3));
    return 0;
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

// Each orderly end writes the settings file anew, and gives up the single-instance claim
// for the next start.
TEST(ProgramTest, WritesTheSettingsOnEveryOrderlyEnd) {
    Sandbox box(kMinimized);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        fs::remove(box.home.SettingsPath());
        const int asked = box.sim->CommandCount('s');
        Program program(box, "offscreen");
        ASSERT_TRUE(WaitUntil([&] { return box.sim->CommandCount('s') > asked; }));
        EXPECT_EQ(program.End(signal), 0);
        const LinuxProfileFile saved(box.home.SettingsPath());
        EXPECT_EQ(saved.Read("COM PARMS", "Port"), "1");
        EXPECT_EQ(saved.Read("POWER LIMITS", "QRP jumpered"), "1");
    }
}

// The second start ends at once and leaves the meter, the log and the settings alone. The
// first listens over a socket file a crashed instance left behind, for its user alone.
TEST(ProgramTest, SecondStartBringsTheFirstForward) {
    XServer x;
    ASSERT_TRUE(x.Up()) << "Xvfb did not start (scripts/setup installs it)";
    Sandbox box(kMinimized);
    const std::string socket = box.run + "/quorvane.socket";
    sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
    socket.copy(address.sun_path, sizeof address.sun_path - 1);
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(stale);
    Program first(box, "xcb");
    ASSERT_TRUE(WaitUntil([&] { return box.sim->CommandCount('s') >= 2; }));
    EXPECT_EQ(fs::status(socket).permissions() & (fs::perms::group_all | fs::perms::others_all),
              fs::perms::none);
    ASSERT_TRUE(Window(first.Pid(), kCaption, false).empty());
    const std::string settings = box.home.ReadSettings(),
                      log = ReadFile(box.work + "/quorvane.log");
    const int identifications = box.sim->CommandCount('v');

    Program second(box, "xcb");
    EXPECT_EQ(second.End(), 0);
    EXPECT_TRUE(WaitUntil([&] { return !Window(first.Pid(), kCaption).empty(); }));
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(box.sim->CommandCount('v'), identifications);
    EXPECT_TRUE(ReadFile(box.work + "/quorvane.log").starts_with(log));
    EXPECT_EQ(box.home.ReadSettings(), settings);
}

// Unplugged for 3 s and plugged back, ten times: the program notices, reopens the port,
// identifies the meter again and polls on; no restart, no descriptor left, no growth.
TEST(ProgramTest, SurvivesTheMeterBeingUnpluggedAndPluggedBack) {
    XServer x;
    ASSERT_TRUE(x.Up()) << "Xvfb did not start (scripts/setup installs it)";
    Sandbox box("[MISC]\r\nDebug=1\r\nRefresh Rate=250\r\n[SCREEN PARMS]\r\nWindow State=1\r\n");
    Program program(box, "xcb");
    // Minimized, the taskbar text carries the status: "OK" for SIGNAL OK.
    const pid_t pid = program.Pid();
    const auto shows = [&](const char* title) { return !Window(pid, title, false).empty(); };
    ASSERT_TRUE(WaitUntil([&] { return shows("OK"); }));
    std::pair<long, long> settled;
    for (int round = 1; round <= 10; ++round) {
        const int identifications = box.sim->CommandCount('v');
        const auto unplugged = std::chrono::steady_clock::now();
        box.sim->Plug(false);
        EXPECT_TRUE(WaitUntil([&] { return shows("METER DISCONNECTED"); }, 2s)) << round;
        std::this_thread::sleep_until(unplugged + 3s);
        box.sim->Plug(true);
        ASSERT_TRUE(WaitUntil([&] { return shows("OK"); }, 5s)) << round;
        EXPECT_GT(box.sim->CommandCount('v'), identifications);
        if (round == 1) settled = Footprint(pid);
        EXPECT_EQ(Footprint(pid).first, settled.first);
    }
    EXPECT_LT(Footprint(pid).second - settled.second, 2048);
    EXPECT_NE(ReadFile(box.work + "/quorvane.log").find("Polling resumed every 250 ms"),
              std::string::npos);
}

// A start that opens neither port says why in its log: a device without permission for it
// names the group to join (as root: run as a user outside the device's group).
TEST(ProgramTest, SaysWhyAPortCouldNotBeOpened) {
    Sandbox box("[MISC]\r\nDebug=1\r\n");
    const std::string root = box.home.Root(), links = box.home.ConfigDir() + "/dosdevices/",
                      device = root + "/ttyS9";
    fs::create_symlink(root + "/gone", links + "com2");
    box.sim.reset();  // takes its link along
    fs::create_symlink(device, links + "com1");
    std::ofstream{device};
    fs::permissions(device, fs::perms::group_read | fs::perms::group_write);  // not the owner
    std::vector<std::string> runAs;
    std::string group = ::getgrgid(::getegid())->gr_name;  // the new file's
    if (::geteuid() == 0) {
        const struct group* dialout = ::getgrnam("dialout");
        if (!dialout) GTEST_SKIP() << "no dialout group to keep a user out of";
        for (const auto& entry : fs::recursive_directory_iterator(root))
            ::lchown(entry.path().c_str(), 65534, 65534);
        ::lchown(root.c_str(), 65534, 65534);
        // A private temporary folder (TMPDIR) above the sandbox must let the user through.
        for (fs::path up = fs::path(root).parent_path(); up != up.root_path();
             up = up.parent_path())
            fs::permissions(up, fs::perms::others_exec, fs::perm_options::add);
        ::lchown(device.c_str(), 0, dialout->gr_gid);
        group = dialout->gr_name;
        runAs = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
    }
    Program program(box, "offscreen", runAs);
    const std::string reason = "\nCOM1: no permission for " + device + ", add your user to the " +
                               group + " group: sudo usermod -aG " + group +
                               " $USER, then log in again.\r";
    EXPECT_TRUE(WaitUntil([&] {
        return ReadFile(box.work + "/quorvane.log").find(reason) != std::string::npos;
    })) << reason;
    program.End(SIGKILL);
    ::shm_unlink("/quorvane-65534");
}

// An adapter that no COM name reaches is listed with what it is; picking it ties the first
// free COM number to its stable name, the program talks to it, and the next start does too.
TEST(ProgramTest, PortDialogTiesANewAdapterToAComNumber) {
    XServer x;
    ASSERT_TRUE(x.Up()) << "Xvfb did not start (scripts/setup installs it)";
    Sandbox box("[MISC]\r\nDebug=1\r\n");
    const std::string byId = box.home.Root() + "/by-id";
    fs::create_directories(byId);
    const std::string stable = byId + "/usb-Quorvane_Meter_QV0001-if00";
    MeterSim adapter(stable, MeterSim::Options{});
    const ScopedEnv hook("QUORVANE_SERIAL_BY_ID", byId);
    const std::string entry =
        "New  usb-Quorvane_Meter_QV0001-if00  (" + fs::canonical(stable).string() + ")";
    int port = 0;
    {
        Program program(box, "xcb");
        ASSERT_TRUE(WaitUntil([&] { return !Window(program.Pid(), kCaption).empty(); }));
        // The pop-up menu opens where the pointer is, "Com Port" first in it.
        Xdotool("mousemove --window " + Window(program.Pid(), kCaption) +
                " 60 60 click 3 sleep 1 mousemove_relative 30 12 click 1");
        std::string dialog;
        ASSERT_TRUE(WaitUntil(
            [&] { return !(dialog = Window(program.Pid(), "Com Port Selection")).empty(); }));
        // Beside the main window it reaches past the screen's edge. The list is kept open
        // for the screenshot, then an entry is picked by its text.
        Xdotool("windowmove --sync " + dialog + " 100 100 windowfocus --sync " + dialog +
                " key alt+Down sleep 1");
        const std::string shots = QUORVANE_SCREENSHOT_DIR;
        fs::create_directories(shots);
        EXPECT_EQ(
            std::system(
                ("import -window root -crop 420x420+95+95 " + shots + "/port-dialog.png").c_str()),
            0);
        Xdotool("key --window " + dialog + " Escape sleep 1 key ctrl+a type '" + entry + "'");
        Xdotool("key --window " + dialog + " Escape");

        ASSERT_TRUE(WaitUntil([&] { return (port = ComPortLinkedTo(box, stable)) != 0; }));
        const std::string caption = "PSK31 RF Monitoring on COM" + std::to_string(port);
        EXPECT_TRUE(WaitUntil([&] { return !Window(program.Pid(), caption).empty(); }));
        const int asked = adapter.CommandCount('s');
        EXPECT_TRUE(WaitUntil([&] { return adapter.CommandCount('s') > asked + 1; }));
        EXPECT_EQ(program.End(SIGTERM), 0);
    }
    const std::string settings = box.home.SettingsPath();
    EXPECT_EQ(LinuxProfileFile(settings).Read("COM PARMS", "Port"), std::to_string(port));

    // Minimized, the title carries the status word: "OK" for SIGNAL OK.
    LinuxProfileFile(settings).Write("SCREEN PARMS", "Window State", "1");
    const int first = box.sim->CommandCount('s'), asked = adapter.CommandCount('s');
    Program restarted(box, "xcb");
    EXPECT_TRUE(WaitUntil([&] { return !Window(restarted.Pid(), "OK", false).empty(); }));
    EXPECT_GT(adapter.CommandCount('s'), asked);
    EXPECT_EQ(box.sim->CommandCount('s'), first);
}

// Alternating clean and splatter cycles at four a second: the history window, opened from
// the pop-up menu by keyboard and set to the whole session, shows IMD on both sides of the
// target line (its screenshot stays in the build tree as history.png).
TEST(ProgramTest, HistoryShowsCleanAndSplatterCycles) {
    XServer display;
    ASSERT_TRUE(display.Up()) << "Xvfb did not start (scripts/setup installs it)";
    Sandbox box("[MISC]\r\nRefresh Rate=250\r\n");
    Program program(box, "xcb");
    std::string main;
    ASSERT_TRUE(WaitUntil([&] { return !(main = Window(program.Pid(), kCaption)).empty(); }));
    // "History..." is the last entry but one.
    Xdotool("windowfocus --sync " + main + " key --delay 300 Menu Up Up Return");
    std::string history;
    ASSERT_TRUE(WaitUntil([&] { return !(history = Window(program.Pid(), "History")).empty(); }));
    Xdotool("windowfocus --sync " + history + " key End");
    // QUORVANE_HISTORY_SECONDS makes a longer run of it.
    const char* seconds = std::getenv("QUORVANE_HISTORY_SECONDS");
    const int turns = seconds ? std::max(2, std::atoi(seconds) / 2) : 12;
    for (int turn = 0; turn < turns; ++turn) {
        box.sim->SetScenario(turn % 2 ? "splatter" : "clean");
        std::this_thread::sleep_for(std::chrono::seconds(2));
    }
    const std::string shot = (fs::current_path() / "history.png").string();
    Shell("import -window " + history + " " + shot);
    EXPECT_EQ(program.End(SIGTERM), 0);

    const QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull()) << shot;
    int targetRow = -1, longest = 0, above = 0, below = 0;
    for (int y = 0; y < image.height(); ++y) {
        int yellow = 0;
        for (int x = 0; x < image.width(); ++x) yellow += image.pixel(x, y) == qRgb(255, 255, 0);
        if (yellow > longest) std::tie(longest, targetRow) = std::make_tuple(yellow, y);
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(0, 255, 0)) ++(y < targetRow ? above : below);
    EXPECT_GT(longest, image.width() / 2) << shot;
    EXPECT_GT(above, 0) << "no splatter above the target line in " << shot;
    EXPECT_GT(below, 0) << "no clean cycle below the target line in " << shot;
}

}  // namespace
