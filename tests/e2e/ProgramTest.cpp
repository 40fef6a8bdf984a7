// The built program as the operator runs it, each run in a sandbox of its own (settings
// folder, runtime directory and so single-instance scope, working directory, the meter
// emulator as COM1, the test ALSA mixer as its sound card), under Xvfb where it needs one.

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
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>
#include <tuple>

#include "measure/HistoryCsv.h"
#include "platform/linux/LinuxProfileFile.h"
#include "platform/linux/PosixSharedMemory.h"
#include "support/MeterSim.h"
#include "support/Process.h"
#include "support/ScopedEnv.h"
#include "support/TempConfigHome.h"
#include "support/alsa/AlsaTestConfig.h"

namespace fs = std::filesystem;

namespace {

const std::string kCaption = "PSK31 RF Monitoring on COM1";

std::string ReadFile(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// Generous: slow machines and sanitizers.
bool WaitUntil(const std::function<bool()>& done) {
    for (int polls = 0; !done(); ++polls) {
        if (polls == 1200) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

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

    TempConfigHome home;
    const std::string work = home.Root() + "/work";
    const std::string run = home.Root() + "/run";
    ScopedEnv runtime{"XDG_RUNTIME_DIR", run};
    AlsaTestConfig mixer{QUORVANE_ALSA_TEST_PLUGIN};
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
    // Whether `pid` has a window titled exactly `title` (no regular-expression characters).
    static bool HasWindow(pid_t pid, const std::string& title, bool onlyVisible) {
        const std::string command = "xdotool search --all --pid " + std::to_string(pid) +
                                    (onlyVisible ? " --onlyvisible" : "") + " --name '^" + title +
                                    "$' 2>/dev/null";
        FILE* found = ::popen(command.c_str(), "r");
        const bool any = found && std::fgetc(found) != EOF;
        if (found) ::pclose(found);
        return any;
    }

private:
    pid_t pid_ = -1;
    std::optional<ScopedEnv> display_;
};

const char kMinimized[] = "[MISC]\r\nDebug=1\r\n[SCREEN PARMS]\r\nWindow State=1\r\n";

// Minimized, the caption carries the status the meter's frames earn.
// Questions answered before any window opens, and an unknown option refused; a program
// that started instead is ended by the time limit and fails its case.
TEST(ProgramTest, AnswersItsCommandLine) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"--version", 0, "Quorvane Version "}, {"-h", 0, "--version"}, {"--bogus", 2, "bogus"}};
    for (const auto& [option, status, printed] : cases) {
        const std::string command =
            std::string("timeout 30 ") + QUORVANE_PROGRAM + " " + option + " 2>&1";
        FILE* out = ::popen(command.c_str(), "r");
        ASSERT_NE(out, nullptr);
        std::string text;
        for (int c; (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
        EXPECT_EQ(WEXITSTATUS(::pclose(out)), status) << option;
        EXPECT_NE(text.find(printed), std::string::npos) << option << ": " << text;
    }
}

TEST(ProgramTest, ReachesTheMetersStatus) {
    XServer x;
    ASSERT_TRUE(x.Up()) << "Xvfb did not start (scripts/setup installs it)";
    Sandbox box(kMinimized);
    Program program(box, "xcb");
    EXPECT_TRUE(WaitUntil([&] { return XServer::HasWindow(program.Pid(), "OK", false); }));
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
    ASSERT_FALSE(XServer::HasWindow(first.Pid(), kCaption, false));
    const std::string settings = box.home.ReadSettings(),
                      log = ReadFile(box.work + "/quorvane.log");
    const int identifications = box.sim->CommandCount('v');

    Program second(box, "xcb");
    EXPECT_EQ(second.End(), 0);
    EXPECT_TRUE(WaitUntil([&] { return XServer::HasWindow(first.Pid(), kCaption, true); }));
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(box.sim->CommandCount('v'), identifications);
    EXPECT_TRUE(ReadFile(box.work + "/quorvane.log").starts_with(log));
    EXPECT_EQ(box.home.ReadSettings(), settings);
}

// What a command prints on standard output, its last line end dropped.
std::string Output(const std::string& command) {
    FILE* out = ::popen(command.c_str(), "r");
    std::string text;
    for (int c; out && (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
    if (out) ::pclose(out);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

std::string WindowId(pid_t pid, const std::string& title) {
    const std::string ids = Output("xdotool search --all --pid " + std::to_string(pid) +
                                   " --onlyvisible --name '^" + title + "$' 2>/dev/null");
    return ids.substr(0, ids.find('\n'));
}

// Alternating clean and splatter cycles at four a second: the history window, opened from
// the pop-up menu by keyboard and set to the whole session, shows IMD on both sides of the
// target line (its screenshot stays in the build tree as history.png), and the running CSV
// log has one line per cycle with the figures of its status word.
TEST(ProgramTest, HistoryShowsCleanAndSplatterCycles) {
    XServer display;
    ASSERT_TRUE(display.Up()) << "Xvfb did not start (scripts/setup installs it)";
    Sandbox box("[MISC]\r\nRefresh Rate=250\r\n[HISTORY]\r\nLog=1\r\nFile=history.csv\r\n");
    Program program(box, "xcb");
    std::string main;
    ASSERT_TRUE(WaitUntil([&] { return !(main = WindowId(program.Pid(), kCaption)).empty(); }));
    // "History..." is the last entry but one.
    Output("xdotool windowfocus --sync " + main + " key --delay 300 Menu Up Up Return");
    std::string history;
    ASSERT_TRUE(WaitUntil([&] { return !(history = WindowId(program.Pid(), "History")).empty(); }));
    Output("xdotool windowfocus --sync " + history + " key End");
    // QUORVANE_HISTORY_SECONDS makes a longer run of it.
    const char* seconds = std::getenv("QUORVANE_HISTORY_SECONDS");
    const int turns = seconds ? std::max(2, std::atoi(seconds) / 2) : 12;
    for (int turn = 0; turn < turns; ++turn) {
        box.sim->SetScenario(turn % 2 ? "splatter" : "clean");
        std::this_thread::sleep_for(std::chrono::seconds(2));
    }
    const std::string shot = (fs::current_path() / "history.png").string();
    Output("import -window " + history + " " + shot);
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

    std::istringstream csv(ReadFile(box.work + "/history.csv"));
    std::string line, previousTime;
    ASSERT_TRUE(std::getline(csv, line));
    EXPECT_EQ(line, kHistoryCsvHeader);
    std::map<std::string, int> statuses;
    int cycles = 0;
    for (; std::getline(csv, line); ++cycles) {
        std::istringstream fields(line);
        std::string f[7];
        for (auto& field : f) std::getline(fields, field, ',');
        ASSERT_FALSE(f[6].empty()) << line;
        EXPECT_GE(f[0], previousTime);
        previousTime = f[0];
        ++statuses[f[1]];
        // The status word follows from the IMD against the target, -22 dB.
        EXPECT_EQ(f[1], std::stod(f[4]) < -22 ? "SIGNAL OK" : "SPLATTER!") << line;
    }
    EXPECT_EQ(cycles, box.sim->CommandCount('s'));
    EXPECT_GT(statuses["SIGNAL OK"], 10);
    EXPECT_GT(statuses["SPLATTER!"], 10);
}

}  // namespace
