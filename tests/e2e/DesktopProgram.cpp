#include "e2e/DesktopProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "platform/linux/LinuxProfileFile.h"
#include "platform/linux/PosixSharedMemory.h"

namespace fs = std::filesystem;

namespace {

bool HasTool(const std::string& name) {
    for (const char* dir : {"/usr/bin", "/usr/local/bin", "/bin"})
        if (::access((std::string(dir) + "/" + name).c_str(), X_OK) == 0) return true;
    return false;
}

}  // namespace

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

ProgramSandbox::ProgramSandbox(const std::string& settings,
                               const std::optional<MeterSim::Options>& meter) {
    const std::string runtimeDir = home_.root() + "/run";
    workDir_ = home_.root() + "/work";
    fs::create_directories(workDir_);
    fs::create_directories(home_.configDir() + "/dosdevices");
    fs::create_directory(runtimeDir);
    fs::permissions(runtimeDir, fs::perms::owner_all);
    runtimeEnv_.emplace("XDG_RUNTIME_DIR", runtimeDir);
    if (!settings.empty()) home_.writeSettings(settings);
    mixer_ = AlsaTestConfig::TestMixer(QUORVANE_ALSA_TEST_PLUGIN);
    if (meter) meter_ = std::make_unique<MeterSim>(PortLink(1), *meter);
}

std::string ProgramSandbox::PortLink(int comPort) const {
    return home_.configDir() + "/dosdevices/com" + std::to_string(comPort);
}

ProgramSandbox::~ProgramSandbox() {
    // What a killed instance of the sandbox leaves behind outside it: the block.
    ::shm_unlink(PosixSharedMemory::objectName("quorvane").c_str());
}

void ProgramSandbox::ReleaseDeadClaimOnLine() {
    const int fd = ::open(meter_->SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0) << "cannot open " << meter_->SlavePath();
    EXPECT_EQ(::ioctl(fd, TIOCNXCL), 0);
    ::close(fd);
}

fs::file_time_type ProgramSandbox::SettingsTime() const {
    std::error_code error;
    return fs::last_write_time(home_.settingsPath(), error);
}

void ProgramSandbox::ExpectOrderlyEnd() const {
    const LinuxProfileFile saved(home_.settingsPath());
    // The main window's keys and the dialogs' (Show Power) alike.
    const char* const written[][3] = {
        {"COM PARMS", "Port", "1"},
        {"SCREEN PARMS", "Window State", "0"},
        {"MISC", "Debug", "1"},
        {"MISC", "Refresh Rate", "1000"},
        {"SHOW POWER", "Show Power", "0"},
        {"POWER LIMITS", "QRP jumpered", "1"},
    };
    for (const auto& [section, key, value] : written)
        EXPECT_EQ(saved.read(section, key), value) << section << "/" << key;
    const std::string log = LogText();
    EXPECT_TRUE(log.starts_with("Starting Quorvane\r\nCOM PORT found in quorvane.ini: 1\r\n"))
        << log;
    EXPECT_TRUE(log.ends_with("\r\n")) << log;
}

ProgramProcess::ProgramProcess(const ProgramSandbox& sandbox, const std::string& platform,
                               const int* gate) {
    static int runs = 0;
    outputPath_ = sandbox.WorkDir() + "/../program-" + std::to_string(++runs) + ".out";
    pid_ = ::fork();
    if (pid_ != 0) return;
    // Child: only async-signal-safe calls until exec.
    if (gate != nullptr) {
        ::close(gate[1]);
        char byte;
        while (::read(gate[0], &byte, 1) > 0) {
        }
        ::close(gate[0]);
    }
    const int out = ::open(outputPath_.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (out >= 0) {
        ::dup2(out, 1);
        ::dup2(out, 2);
    }
    if (::chdir(sandbox.WorkDir().c_str()) != 0) ::_exit(126);
    ::setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    ::execl(QUORVANE_PROGRAM, QUORVANE_PROGRAM, static_cast<char*>(nullptr));
    ::_exit(127);
}

ProgramProcess::~ProgramProcess() {
    if (Running()) Stop(SIGKILL);
}

bool ProgramProcess::Running() {
    if (status_ || pid_ <= 0) return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) != pid_) return true;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return false;
}

std::optional<int> ProgramProcess::WaitForExit() {
    WaitUntil([this] { return !Running(); });
    return status_;
}

std::optional<int> ProgramProcess::Stop(int signal) {
    if (Running()) ::kill(pid_, signal);
    return WaitForExit();
}

XServer::XServer(bool trayHost) {
    for (const char* tool : {"Xvfb", "xdotool", "xwininfo", "trayer", "xmessage", "import"}) {
        if (!HasTool(tool)) {
            failure_ = std::string(tool) + " is not installed (scripts/setup installs it)";
            return;
        }
    }
    // Xvfb picks a free display number itself and reports it on the pipe. Without -noreset
    // it resets when its last client goes, and refuses the next program for a moment.
    int report[2];
    if (::pipe(report) != 0) throw std::runtime_error("pipe");
    const std::string log = fs::temp_directory_path() / "quorvane-xvfb.log";
    const pid_t pid = Spawn({"Xvfb", "-displayfd", std::to_string(report[1]), "-screen", "0",
                             "1024x768x24", "-nolisten", "tcp", "-nolock", "-noreset"},
                            [&](posix_spawn_file_actions_t* actions) {
                                posix_spawn_file_actions_addclose(actions, report[0]);
                                posix_spawn_file_actions_addopen(
                                    actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
                            });
    ::close(report[1]);
    if (pid > 0) pids_.push_back(pid);
    std::string number;
    char c;
    while (::read(report[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(report[0]);
    if (number.empty()) {
        failure_ = "Xvfb did not start: " + ReadFile(log);
        return;
    }
    display_.emplace("DISPLAY", ":" + number);
    if (!trayHost) return;
    StartClient({"trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
                 "64", "--height", "24"});
    if (!WaitUntil([] { return !SearchWindows({"--onlyvisible", "--class", "trayer"}).empty(); }))
        failure_ = "the tray host did not show";
}

XServer::~XServer() {
    for (auto it = pids_.rbegin(); it != pids_.rend(); ++it) EndChild(*it);
}

void XServer::StartClient(const std::vector<std::string>& command) {
    const pid_t pid = Spawn(command, [](posix_spawn_file_actions_t* actions) {
        posix_spawn_file_actions_addopen(actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(actions, 1, 2);
    });
    if (pid > 0) pids_.push_back(pid);
}

std::vector<unsigned long> SearchWindows(const std::vector<std::string>& arguments) {
    // Every condition must hold (xdotool's default is any).
    std::vector<std::string> command{"xdotool", "search", "--all"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::istringstream lines(Capture(command));
    std::vector<unsigned long> ids;
    for (unsigned long id; lines >> id;) ids.push_back(id);
    return ids;
}

std::vector<unsigned long> WindowsTitled(const std::string& title, pid_t pid, bool onlyVisible) {
    // The pattern, an extended regular expression, comes last.
    std::vector<std::string> conditions{"--name", "^" + title + "$"};
    if (pid != 0) conditions.insert(conditions.begin(), {"--pid", std::to_string(pid)});
    if (onlyVisible) conditions.insert(conditions.begin(), "--onlyvisible");
    return SearchWindows(conditions);
}

std::vector<unsigned long> StackingOrder() {
    // xwininfo lists the root's children topmost first: `  4194310 "name": (...) ...`.
    std::istringstream lines(Capture({"xwininfo", "-root", "-children", "-int"}));
    std::vector<unsigned long> ids;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        unsigned long id;
        std::string name;
        if (words >> id >> name && (name[0] == '"' || name[0] == '(')) ids.push_back(id);
    }
    return ids;
}

fs::path ArtifactsDir() {
    const char* dir = std::getenv("QUORVANE_ARTIFACTS");
    const fs::path folder = fs::absolute(dir && *dir ? dir : QUORVANE_DEFAULT_ARTIFACTS);
    fs::create_directories(folder);
    return folder;
}

std::string KeepScreenshot(const std::string& name) {
    const std::string path = (ArtifactsDir() / (name + ".png")).string();
    // An older run's picture must not pass for this one's.
    std::error_code ignored;
    fs::remove(path, ignored);
    Capture({"import", "-window", "root", path});
    std::cout << "screenshot: " << path << "\n";
    EXPECT_TRUE(fs::exists(path, ignored) && fs::file_size(path, ignored) > 0) << path;
    return path;
}
