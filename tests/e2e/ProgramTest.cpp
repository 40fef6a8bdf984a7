// The built program as the operator runs it, each run in a sandbox of its own (settings
// folder, runtime directory and so single-instance scope, working directory, the meter
// emulator as COM1, a private sound server as its sound card), under Xvfb where it needs one.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <tuple>
#include <utility>

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
    Program(const Sandbox& box, const char* platform) {
        const ScopedEnv qpa("QT_QPA_PLATFORM", platform);
        pid_ = Spawn({QUORVANE_PROGRAM}, [&](posix_spawn_file_actions_t* actions) {
            posix_spawn_file_actions_addchdir_np(actions, box.work.c_str());
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

// Each orderly end writes the settings file anew, and gives up the single-instance claim
// for the next start.
TEST(ProgramTest, WritesTheSettingsOnEveryOrderlyEnd) {
    Sandbox box("[SCREEN PARMS]\r\nWindow State=1\r\n");
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

}  // namespace
