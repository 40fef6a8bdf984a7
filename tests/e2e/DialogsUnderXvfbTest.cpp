// The dialogs on a real X server: starts Xvfb on a display of its own choosing, runs the
// dialog programs against it (the menu's dialogs on the real main window, and each form's
// layout checks), and keeps their screenshots in $QUORVANE_ARTIFACTS, by default the build
// folder's artifacts/.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr auto kXvfbStartTimeout = std::chrono::seconds(20);
constexpr auto kProgramTimeout = std::chrono::minutes(3);

// Absolute: the programs run in working folders of their own.
std::string ArtifactsDir() {
    const char* dir = std::getenv("QUORVANE_ARTIFACTS");
    return fs::absolute(dir && *dir ? dir : QUORVANE_DEFAULT_ARTIFACTS).string();
}

// The environment of this process with `changes` ("NAME=value") in place of the old values.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& changes) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('=') + 1);
        bool replaced = false;
        for (const std::string& change : changes) replaced |= change.rfind(name, 0) == 0;
        if (!replaced) env.push_back(entry);
    }
    env.insert(env.end(), changes.begin(), changes.end());
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Waits for the child until `timeout`, then kills it. Its exit status, or -1.
int WaitFor(pid_t pid, std::chrono::steady_clock::duration timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// An X server for the length of a test; it picks a free display and tells us its number.
class Xvfb {
public:
    Xvfb() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 3);  // dup2 drops close-on-exec
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        std::vector<std::string> args = {"Xvfb", "-displayfd",   "3",         "-screen",
                                         "0",    "1280x1024x24", "-nolisten", "tcp"};
        std::vector<char*> argv = Pointers(args);
        if (posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        if (pid_ > 0) display_ = ReadDisplayNumber(fds[0]);
        close(fds[0]);
    }
    ~Xvfb() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        WaitFor(pid_, std::chrono::seconds(10));
    }
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    // ":n", or empty when the server did not come up.
    const std::string& Display() const { return display_; }

private:
    static std::string ReadDisplayNumber(int fd) {
        std::string number;
        const auto deadline = std::chrono::steady_clock::now() + kXvfbStartTimeout;
        while (number.find('\n') == std::string::npos &&
               std::chrono::steady_clock::now() < deadline) {
            pollfd pfd{fd, POLLIN, 0};
            if (poll(&pfd, 1, 200) <= 0) continue;
            char chunk[16];
            const ssize_t got = read(fd, chunk, sizeof chunk);
            if (got <= 0) break;
            number.append(chunk, static_cast<size_t>(got));
        }
        if (number.find('\n') == std::string::npos) return {};
        return ":" + number.substr(0, number.find('\n'));
    }

    pid_t pid_ = -1;
    std::string display_;
};

// Runs `program` on `display` with its output in `logPath`; its exit status, or -1.
int RunOnDisplay(const std::string& program, const std::string& display,
                 const std::string& artifacts, const std::string& logPath) {
    std::vector<std::string> env =
        EnvironmentWith({"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb",
                         "WAYLAND_DISPLAY=", "QUORVANE_ARTIFACTS=" + artifacts});
    std::vector<std::string> args = {program};
    std::vector<char*> argv = Pointers(args);
    std::vector<char*> envp = Pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    const int failed =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : WaitFor(pid, kProgramTimeout);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<fs::path> Screenshots(const std::string& folder) {
    std::vector<fs::path> shots;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".png") shots.push_back(entry.path());
    return shots;
}

TEST(DialogsUnderXvfb, EveryDialogRendersOnARealXServer) {
    const std::string artifacts = ArtifactsDir();
    fs::create_directories(artifacts);
    // Shots of an earlier run must not stand in for this one's.
    for (const fs::path& old : Screenshots(artifacts)) fs::remove(old);

    Xvfb server;
    ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
    for (const char* program : {QUORVANE_DIALOGS_ON_SCREEN, QUORVANE_DIALOG_FORMS_ON_SCREEN}) {
        SCOPED_TRACE(program);
        const std::string log = artifacts + "/" + fs::path(program).filename().string() + ".log";
        EXPECT_EQ(RunOnDisplay(program, server.Display(), artifacts, log), 0) << ReadFile(log);
    }
    size_t throughMenu = 0;
    for (const fs::path& shot : Screenshots(artifacts))
        throughMenu += shot.filename().string().rfind("menu-", 0) == 0;
    // The main window and its ten dialogs, and at least the ten forms on their own.
    EXPECT_EQ(throughMenu, 11u);
    EXPECT_GE(Screenshots(artifacts).size() - throughMenu, 10u);
}

}  // namespace
