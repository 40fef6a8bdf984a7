#include "e2e/ProgramProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kServerStart = std::chrono::seconds(20);
constexpr auto kStopGrace = std::chrono::seconds(5);
// The descriptor on which Xvfb writes its display number.
constexpr int kDisplayFd = 9;

pid_t Spawn(const std::vector<std::string>& argv, posix_spawn_file_actions_t& actions) {
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::runtime_error("cannot start " + argv[0]);
    return pid;
}

// Waits for `pid` until `limit`; its status as a shell reports it, or nothing.
std::optional<int> Reap(pid_t pid, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        if (done < 0) return -1;
        if (Clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Ends a child that is still running: politely first, then for good.
void Stop(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    if (!Reap(pid, std::chrono::duration_cast<std::chrono::milliseconds>(kStopGrace))) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

std::string ReadLine(int fd, Clock::duration limit) {
    const auto deadline = Clock::now() + limit;
    std::string line;
    while (line.find('\n') == std::string::npos && Clock::now() < deadline) {
        pollfd pfd{fd, POLLIN, 0};
        if (poll(&pfd, 1, 100) <= 0) continue;
        char chunk[64];
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got <= 0) break;
        line.append(chunk, static_cast<std::size_t>(got));
    }
    return line.substr(0, line.find('\n'));
}

}  // namespace

XvfbDisplay::XvfbDisplay() {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], kDisplayFd);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    try {
        pid_ = Spawn({"Xvfb", "-displayfd", std::to_string(kDisplayFd), "-screen", "0",
                      "1024x768x24", "-nolisten", "tcp", "-noreset"},
                     actions);
    } catch (...) {
        close(out[0]);
        close(out[1]);
        throw;
    }
    close(out[1]);
    const std::string number = ReadLine(out[0], kServerStart);
    close(out[0]);
    if (number.empty()) {
        Stop(pid_);
        throw std::runtime_error("Xvfb did not report a display");
    }
    name_ = ":" + number;
}

XvfbDisplay::~XvfbDisplay() {
    Stop(pid_);
}

ProgramProcess::ProgramProcess(const std::string& program, const std::string& workDir) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    const std::string output = workDir + "/program.out";
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_ = Spawn({program}, actions);
}

ProgramProcess::~ProgramProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

void ProgramProcess::Signal(int signal) {
    if (pid_ > 0) kill(pid_, signal);
}

std::optional<int> ProgramProcess::WaitForExit(std::chrono::milliseconds limit) {
    if (pid_ <= 0) return std::nullopt;
    const std::optional<int> status = Reap(pid_, limit);
    if (status) pid_ = -1;
    return status;
}

std::string RunTool(const std::vector<std::string>& argv, int* status) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    try {
        pid = Spawn(argv, actions);
    } catch (...) {
        close(out[0]);
        close(out[1]);
        throw;
    }
    close(out[1]);
    std::string text;
    char chunk[256];
    for (ssize_t got; (got = read(out[0], chunk, sizeof chunk)) != 0;) {
        if (got < 0) {
            if (errno == EINTR) continue;
            break;
        }
        text.append(chunk, static_cast<std::size_t>(got));
    }
    close(out[0]);
    int raw = 0;
    waitpid(pid, &raw, 0);
    if (status) *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return text;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() >= deadline) return done();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::string FindWindow(const std::string& title) {
    std::string pattern = "^";
    for (const char c : title) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) pattern += '\\';
        pattern += c;
    }
    pattern += '$';
    const std::string ids = RunTool({"xdotool", "search", "--onlyvisible", "--name", pattern});
    return ids.substr(0, ids.find('\n'));
}
