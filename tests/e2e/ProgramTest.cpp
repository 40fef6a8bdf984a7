// The built program as the operator runs it, each run in a sandbox of its own (settings
// folder, runtime directory and so single-instance scope, working directory, the meter
// emulator as COM1, a test ALSA mixer as the sound card), under Xvfb where it needs one.

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <termios.h>

#include <gtest/gtest.h>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <thread>

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
bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds limit = std::chrono::seconds(60)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (; !done(); std::this_thread::sleep_for(std::chrono::milliseconds(50)))
        if (std::chrono::steady_clock::now() > deadline) return false;
    return true;
}

struct Sandbox {
    explicit Sandbox(const std::string& settings, bool meter = true) {
        fs::create_directories(work);
        fs::create_directories(home.ConfigDir() + "/dosdevices");
        fs::create_directories(run);
        fs::permissions(run, fs::perms::owner_all);
        if (!settings.empty()) home.WriteSettings(settings);
        if (meter) sim = std::make_unique<MeterSim>(PortLink(1), MeterSim::Options{});
    }
    // A killed instance leaves its block behind, outside the sandbox.
    ~Sandbox() { ::shm_unlink(PosixSharedMemory::ObjectName("quorvane").c_str()); }
    std::string PortLink(int n) const {
        return home.ConfigDir() + "/dosdevices/com" + std::to_string(n);
    }
    std::string Log() const { return ReadFile(work + "/quorvane.log"); }
    int Asked(char command) const { return sim->CommandCount(command); }

    TempConfigHome home;
    const std::string work = home.Root() + "/work";
    const std::string run = home.Root() + "/run";
    ScopedEnv runtime{"XDG_RUNTIME_DIR", run};
    std::unique_ptr<AlsaTestConfig> mixer = AlsaTestConfig::TestMixer(QUORVANE_ALSA_TEST_PLUGIN);
    std::unique_ptr<MeterSim> sim;
};

// After an orderly end of a run with Debug=1: the shutdown saved the main window's keys
// and the dialogs' (the power limits), and closed the log whole.
void ExpectOrderlyEnd(const Sandbox& box) {
    const LinuxProfileFile saved(box.home.SettingsPath());
    EXPECT_EQ(saved.Read("COM PARMS", "Port"), "1");
    EXPECT_EQ(saved.Read("SCREEN PARMS", "Window State"), "0");
    EXPECT_EQ(saved.Read("POWER LIMITS", "QRP jumpered"), "1");
    const std::string log = box.Log();
    EXPECT_TRUE(log.starts_with("Starting Quorvane\r\nCOM PORT found in quorvane.ini: 1\r\n"))
        << log;
    EXPECT_TRUE(log.ends_with("\r\n")) << log;
}

// One run; killed if still running when destroyed.
class Program {
public:
    Program(const Sandbox& box, const char* platform)
        : output_(box.work + "/../out-" + std::to_string(++runs_)) {
        if ((pid_ = ::fork()) != 0) return;
        const int out = ::open(output_.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        ::dup2(out, 1);
        ::dup2(out, 2);
        if (::chdir(box.work.c_str()) != 0) ::_exit(126);
        ::setenv("QT_QPA_PLATFORM", platform, 1);
        ::execl(QUORVANE_PROGRAM, QUORVANE_PROGRAM, static_cast<char*>(nullptr));
        ::_exit(127);
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
    std::string Output() const { return ReadFile(output_); }

private:
    static inline int runs_ = 0;
    std::string output_;
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// Xvfb on a free display, named by DISPLAY while this lives; with a tray host if asked.
class XServer {
public:
    explicit XServer(bool trayHost) {
        // Without -noreset it resets when its last client goes and refuses the next one.
        int report[2];
        EXPECT_EQ(::pipe(report), 0);
        const std::string log = fs::temp_directory_path() / "quorvane-xvfb.log";
        pids_.push_back(Spawn({"Xvfb", "-displayfd", std::to_string(report[1]), "-screen", "0",
                               "1024x768x24", "-nolisten", "tcp", "-nolock", "-noreset"},
                              [&](posix_spawn_file_actions_t* actions) {
                                  posix_spawn_file_actions_addclose(actions, report[0]);
                                  posix_spawn_file_actions_addopen(
                                      actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
                              }));
        ::close(report[1]);
        std::string number;
        for (char c; ::read(report[0], &c, 1) == 1 && c != '\n';) number += c;
        ::close(report[0]);
        if (number.empty()) {
            failure = "Xvfb did not start (scripts/setup installs it): " + ReadFile(log);
            return;
        }
        display_.emplace("DISPLAY", ":" + number);
        if (!trayHost) return;
        Start({"trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
               "64", "--height", "24"});
        if (!WaitUntil([] { return !Search({"--onlyvisible", "--class", "trayer"}).empty(); }))
            failure = "the tray host did not show";
    }
    ~XServer() {
        for (auto it = pids_.rbegin(); it != pids_.rend(); ++it) EndChild(*it);
    }
    void Start(const std::vector<std::string>& client) {
        pids_.push_back(Spawn(client, [](posix_spawn_file_actions_t* actions) {
            posix_spawn_file_actions_addopen(actions, 1, "/dev/null", O_WRONLY, 0);
            posix_spawn_file_actions_adddup2(actions, 1, 2);
        }));
    }
    // Ids of the windows that meet all these `xdotool search` conditions.
    static std::vector<unsigned long> Search(const std::vector<std::string>& conditions) {
        std::vector<std::string> command{"xdotool", "search", "--all"};
        command.insert(command.end(), conditions.begin(), conditions.end());
        std::istringstream lines(Capture(command));
        return {std::istream_iterator<unsigned long>(lines), {}};
    }
    // Shown windows titled exactly `title` (no regular-expression characters in it).
    static std::vector<unsigned long> Titled(const std::string& title, pid_t pid = 0,
                                             bool onlyVisible = true) {
        std::vector<std::string> conditions{"--name", "^" + title + "$"};
        if (pid != 0) conditions.insert(conditions.begin(), {"--pid", std::to_string(pid)});
        if (onlyVisible) conditions.insert(conditions.begin(), "--onlyvisible");
        return Search(conditions);
    }
    // Top-level windows, topmost first.
    static std::vector<unsigned long> Stack() {
        std::istringstream lines(Capture({"xwininfo", "-root", "-children", "-int"}));
        std::vector<unsigned long> ids;
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);  // `  4194310 "name": (...) ...`
            unsigned long id;
            std::string name;
            if (words >> id >> name && (name[0] == '"' || name[0] == '(')) ids.push_back(id);
        }
        return ids;
    }
    static long StackIndex(unsigned long window) {
        const auto order = Stack();
        return std::find(order.begin(), order.end(), window) - order.begin();
    }

    std::string failure;

private:
    std::vector<pid_t> pids_;
    std::optional<ScopedEnv> display_;
};

// What the whole display shows, when it has the lime bars, the yellow ideal arch and the
// grey status line of a frame: nothing, else their counts of pixels.
std::string ChartMissing() {
    const QImage screen = QImage::fromData(
        QByteArray::fromStdString(Capture({"import", "-window", "root", "png:-"})));
    int lime = 0, yellow = 0, grey = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const QRgb p = screen.pixel(x, y);
            lime += p == qRgb(0, 255, 0), yellow += p == qRgb(255, 255, 0);
            grey += p == qRgb(128, 128, 128);
        }
    return lime > 5000 && yellow > 500 && grey > 5000
               ? ""
               : std::to_string(lime) + " lime, " + std::to_string(yellow) + " yellow, " +
                     std::to_string(grey) + " grey";
}

// The program's shown windows: top-level (main window, open menu) or in the tray (the light).
std::vector<unsigned long> ProgramWindows(pid_t pid, bool topLevel) {
    const auto tops = XServer::Stack();
    std::vector<unsigned long> found;
    for (unsigned long id : XServer::Search({"--onlyvisible", "--pid", std::to_string(pid)}))
        if ((std::find(tops.begin(), tops.end(), id) != tops.end()) == topLevel)
            found.push_back(id);
    return found;
}

// Started minimized and covered: a second start brings it forward and leaves its port, log
// and settings alone; the chart shows; the tray menu's Exit ends it; then each ending
// signal saves, and after a kill the next start runs.
TEST(ProgramTest, OneInstanceChartTrayMenuAndEndings) {
    XServer x(true);
    ASSERT_TRUE(x.failure.empty()) << x.failure;
    Sandbox box(
        "[MISC]\r\nDebug=1\r\nAlways on Top=0\r\n"
        "[SCREEN PARMS]\r\nLeft=100\r\nTop=100\r\nWindow State=1\r\n");
    Program first(box, "xcb");
    // Two frames asked for: the first has been shown and the message loop runs.
    ASSERT_TRUE(WaitUntil([&] { return box.Asked('s') >= 2; })) << first.Output();
    // Minimized, the title carries the status words instead of the caption.
    EXPECT_TRUE(WaitUntil([&] { return XServer::Titled(kCaption, first.Pid(), false).empty(); }));
    x.Start({"xmessage", "-geometry", "600x500+0+0", "cover"});
    std::vector<unsigned long> cover;
    ASSERT_TRUE(WaitUntil([&] {
        return !(cover = XServer::Search({"--onlyvisible", "--class", "Xmessage"})).empty();
    }));

    const std::string settings = box.home.ReadSettings(), log = box.Log();
    const auto settingsTime = fs::last_write_time(box.home.SettingsPath());
    const int identifications = box.Asked('v');
    Program second(box, "xcb");
    EXPECT_EQ(second.End(), 0) << second.Output();
    ASSERT_TRUE(WaitUntil([&] {
        const auto window = XServer::Titled(kCaption, first.Pid());
        return window.size() == 1 && XServer::StackIndex(window[0]) < XServer::StackIndex(cover[0]);
    })) << "the first instance did not come forward with its caption";
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(box.Asked('v'), identifications) << "the second asked the meter";
    EXPECT_EQ(box.Log().substr(0, log.size()), log) << "the second wrote the log";
    EXPECT_EQ(box.home.ReadSettings(), settings);
    EXPECT_EQ(fs::last_write_time(box.home.SettingsPath()), settingsTime);
    std::string missing;  // the picture may lag behind the frames
    EXPECT_TRUE(WaitUntil([&] { return (missing = ChartMissing()).empty(); })) << missing;

    std::vector<unsigned long> light;
    ASSERT_TRUE(WaitUntil([&] { return (light = ProgramWindows(first.Pid(), false)).size() == 1; }))
        << Capture({"xwininfo", "-root", "-tree"});
    // The tray now and then drops a press that closely follows another: press again.
    for (int tries = 0; tries < 5 && ProgramWindows(first.Pid(), true).size() < 2; ++tries) {
        Capture(
            {"xdotool", "mousemove", "--window", std::to_string(light[0]), "8", "8", "click", "3"});
        WaitUntil([&] { return ProgramWindows(first.Pid(), true).size() == 2; },
                  std::chrono::seconds(3));
    }
    ASSERT_EQ(ProgramWindows(first.Pid(), true).size(), 2u) << "a right click opened no menu";
    Capture({"xdotool", "key", "e"});  // "Quorvane &Exit"
    EXPECT_EQ(first.End(), 0) << first.Output();
    // A normal window saved: the restore reached the program, not only the display.
    ExpectOrderlyEnd(box);

    // SIGHUP: a closed terminal. SIGKILL leaves the block behind, and the line's exclusive
    // claim, which the emulator's hold on the line keeps where a real port's last close
    // would drop it.
    int asked = box.Asked('v');
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGKILL, SIGTERM}) {
        SCOPED_TRACE(signal);
        Program next(box, "offscreen");
        ASSERT_TRUE(WaitUntil([&] { return box.Asked('v') > asked; })) << next.Output();
        asked = box.Asked('v');
        EXPECT_EQ(next.End(signal), signal == SIGKILL ? 128 + SIGKILL : 0) << next.Output();
        if (signal != SIGKILL) {
            ExpectOrderlyEnd(box);
            continue;
        }
        const int fd = ::open(box.sim->SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        EXPECT_EQ(::ioctl(fd, TIOCNXCL), 0);
        ::close(fd);
    }
}

// A signal while the note waits for the operator: status 1, the settings untouched.
TEST(ProgramTest, WithoutAPortANoteThenStatusOne) {
    XServer x(false);
    ASSERT_TRUE(x.failure.empty()) << x.failure;
    const std::string ini = "; mine\n[COM PARMS]\nPort=2\n[MISC]\nDebug=1\n";
    Sandbox box(ini, false);
    for (const int port : {1, 2})
        fs::create_symlink(box.home.Root() + "/nothing", box.PortLink(port));
    Program program(box, "xcb");
    ASSERT_TRUE(WaitUntil([&] { return !XServer::Titled("Error").empty(); }))
        << box.Log() << program.Output();
    EXPECT_EQ(box.Log().find("Terminating"), std::string::npos) << box.Log();
    EXPECT_EQ(program.End(SIGTERM), 1);
    EXPECT_EQ(box.home.ReadSettings(), ini);
    EXPECT_TRUE(
        box.Log().ends_with("Restoring port found in ini file (2)\r\n"
                            "Terminating quorvane.exe\r\n"))
        << box.Log();
}

// Help and version on standard output with no display to be had; an unknown option refused
// on standard error while Qt's own options pass.
TEST(ProgramTest, CommandLine) {
    const ScopedEnv noDisplay("DISPLAY", ""), noWayland("WAYLAND_DISPLAY", ""),
        defaultPlatform("QT_QPA_PLATFORM", "");
    const struct {
        std::vector<std::string> arguments;
        int status;
        bool onStdout;  // else on stderr, with nothing on stdout
        const char* text;
    } rows[] = {
        {{"--help"}, 0, true, R"(^Usage: \S*quorvane \[options\]\n[^]*-v, --version)"},
        {{"--version"}, 0, true, R"(^Quorvane Version \d+\.\d+\.\d+\.\d+\n$)"},
        {{"-platform", "offscreen", "--bogus"},
         2,
         false,
         R"((^|\n)quorvane: Unknown option 'bogus'\.\nUsage: [^]*--help)"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> command{QUORVANE_PROGRAM};
        command.insert(command.end(), row.arguments.begin(), row.arguments.end());
        SCOPED_TRACE(row.arguments.back());
        int status = -1;
        const std::string out = Capture(command, &status), all = Capture(command, nullptr, true);
        EXPECT_EQ(status, row.status);
        EXPECT_TRUE(std::regex_search(all, std::regex(row.text))) << all;
        EXPECT_EQ(out, row.onStdout ? all : "");
    }
}

// The dialog programs on the same kind of X server: the stay-on-top toggle on the real main
// window, and the forms' own layout checks rather than offscreen.
TEST(ProgramTest, DialogProgramsPassOnARealXServer) {
    XServer x(false);
    ASSERT_TRUE(x.failure.empty()) << x.failure;
    const ScopedEnv platform("QT_QPA_PLATFORM", "xcb"), wayland("WAYLAND_DISPLAY", "");
    for (const char* program : {QUORVANE_DIALOGS_ON_SCREEN, QUORVANE_DIALOG_FORMS_ON_SCREEN}) {
        int status = -1;
        const std::string output = Capture({"timeout", "180", program}, &status, true);
        EXPECT_EQ(status, 0) << program << "\n" << output;
    }
}

}  // namespace
