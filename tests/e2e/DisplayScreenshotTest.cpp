// The built program under Xvfb against the emulator's clean signal: a screenshot of the
// screen, kept as a test artefact, must show the mirrored lime envelope with the yellow
// ideal arch drawn over it and a status line with text on it; SIGTERM then ends the
// program with its normal shutdown.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/MeterSim.h"
#include "support/SoundServer.h"
#include "support/TempConfigHome.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return false;
    std::string dirs = path;
    for (size_t start = 0; start <= dirs.size();) {
        const size_t end = std::min(dirs.find(':', start), dirs.size());
        if (access((dirs.substr(start, end - start) + "/" + program).c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// This process's environment with some variables replaced.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& replacements) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string item = *entry;
        const bool replaced = std::any_of(replacements.begin(), replacements.end(), [&](auto& r) {
            return item.compare(0, r.find('=') + 1, r, 0, r.find('=') + 1) == 0;
        });
        if (!replaced) env.push_back(item);
    }
    env.insert(env.end(), replacements.begin(), replacements.end());
    return env;
}

// A child process that is ended, if still running, when the object goes.
class Child {
public:
    Child(std::vector<std::string> args, std::vector<std::string> env,
          const std::string& dir = {}) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (!dir.empty()) posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
        std::vector<char*> argv, envp;
        for (auto& arg : args) argv.push_back(arg.data());
        for (auto& var : env) envp.push_back(var.data());
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Child() {
        if (pid_ > 0) Stop(SIGKILL, 5s);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return pid_ > 0; }

    // Sends `sig` and waits for the end; the wait status, or -1 when it did not end in time.
    int Stop(int sig, std::chrono::milliseconds patience) {
        if (pid_ <= 0) return -1;
        kill(pid_, sig);
        const auto deadline = std::chrono::steady_clock::now() + patience;
        int status = 0;
        while (waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                pid_ = -1;
                return -1;
            }
            std::this_thread::sleep_for(20ms);
        }
        pid_ = -1;
        return status;
    }

    // Waits for the child to end by itself; true when it exited with status 0.
    bool Succeeded() {
        int status = 0;
        const bool ok = pid_ > 0 && waitpid(pid_, &status, 0) == pid_ && WIFEXITED(status) &&
                        WEXITSTATUS(status) == 0;
        pid_ = -1;
        return ok;
    }

private:
    pid_t pid_ = -1;
};

// Xvfb on a free display; it names the display on a pipe once it is ready.
class VirtualScreen {
public:
    VirtualScreen() {
        int ready[2];
        if (pipe2(ready, O_CLOEXEC) != 0) return;
        fcntl(ready[1], F_SETFD, 0);  // the server writes its display number here
        server_ = std::make_unique<Child>(
            std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0",
                                     "1024x768x24", "-nolisten", "tcp"},
            EnvironmentWith({}));
        close(ready[1]);
        std::string number;
        pollfd wait{ready[0], POLLIN, 0};
        char c;
        while (poll(&wait, 1, 10'000) > 0 && read(ready[0], &c, 1) == 1 && c != '\n') number += c;
        close(ready[0]);
        if (!number.empty()) display_ = ":" + number;
    }
    ~VirtualScreen() {
        if (server_) server_->Stop(SIGTERM, 5s);
    }

    // Empty when the server did not come up.
    const std::string& Display() const { return display_; }

private:
    std::unique_ptr<Child> server_;
    std::string display_;
};

bool Is(QRgb pixel, int r, int g, int b) {
    return qRed(pixel) == r && qGreen(pixel) == g && qBlue(pixel) == b;
}

// Counts of the chart's and the status line's colours on the screen.
struct Census {
    explicit Census(const QImage& screen) {
        QRect greyBox;
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                const QRgb p = screen.pixel(x, y);
                if (Is(p, 0, 255, 0)) {
                    ++lime;
                    limeBox |= QRect(x, y, 1, 1);
                } else if (Is(p, 255, 255, 0)) {
                    ++yellow;
                } else if (Is(p, 128, 128, 128)) {
                    ++grey;
                    greyBox |= QRect(x, y, 1, 1);
                }
            }
        }
        // Bars mirrored about zero: as much lime above the middle row as below it.
        const int middle = limeBox.center().y();
        for (int y = limeBox.top(); y <= limeBox.bottom(); ++y)
            for (int x = limeBox.left(); x <= limeBox.right(); ++x)
                if (Is(screen.pixel(x, y), 0, 255, 0)) (y < middle ? limeAbove : limeBelow) += 1;
        for (int y = greyBox.top(); y <= greyBox.bottom(); ++y)
            for (int x = greyBox.left(); x <= greyBox.right(); ++x)
                if (Is(screen.pixel(x, y), 255, 255, 255)) ++textOnGrey;
    }

    // A clean frame: two full arches of bars, the ideal arch traced along all four of their
    // edges at full width (a line hidden under the bars leaves a one-pixel rim at most), and
    // the status line with words on it.
    bool LooksRight() const {
        return lime > 5000 && limeBelow > 0 && std::abs(limeAbove - limeBelow) * 10 < limeBelow &&
               yellow > 3.5 * limeBox.width() && grey > 5000 && textOnGrey > 100;
    }

    int lime = 0, yellow = 0, grey = 0, textOnGrey = 0, limeAbove = 0, limeBelow = 0;
    QRect limeBox;
};

std::string ArtifactsDir() {
    const char* dir = std::getenv("QUORVANE_ARTIFACTS");
    return dir != nullptr && *dir != '\0' ? dir : QUORVANE_DEFAULT_ARTIFACTS;
}

TEST(DisplayScreenshotTest, CleanSignalUnderXvfb) {
    for (const char* tool : {"Xvfb", "import"})
        if (!OnPath(tool)) GTEST_SKIP() << tool << " is not installed";
    TempConfigHome home;
    // Without a mixer to open, start-up would stop at a message box over the window.
    SoundServer sound(QUORVANE_SOUND_SERVER);
    if (!sound.running()) GTEST_SKIP() << "no sound server: " << sound.failure();
    fs::create_directories(home.configDir() + "/dosdevices");
    MeterSim meter(home.configDir() + "/dosdevices/com1");
    VirtualScreen screen;
    ASSERT_FALSE(screen.Display().empty()) << "Xvfb did not start";

    const std::string work = home.root() + "/work";
    const std::string runtime = home.root() + "/runtime";
    fs::create_directories(work);
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
    // A private runtime directory keeps the single-instance guard away from other instances.
    const std::vector<std::string> env = EnvironmentWith(
        {"DISPLAY=" + screen.Display(), "QT_QPA_PLATFORM=xcb", "XDG_RUNTIME_DIR=" + runtime});
    Child program({QUORVANE_PROGRAM}, env, work);
    ASSERT_TRUE(program.Started());

    fs::create_directories(ArtifactsDir());
    const std::string shot = ArtifactsDir() + "/display-clean.png";
    // Two frames asked for means the first one has been shown; the picture may still lag.
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    bool looksRight = false;
    while (!looksRight && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(500ms);
        if (meter.CommandCount('s') < 2) continue;
        fs::remove(shot);
        ASSERT_TRUE(Child({"import", "-window", "root", shot}, env).Succeeded());
        looksRight = Census(QImage(QString::fromStdString(shot))).LooksRight();
    }
    const Census census{QImage(QString::fromStdString(shot))};
    EXPECT_TRUE(looksRight) << shot << ": lime " << census.lime << " (" << census.limeAbove
                            << " above, " << census.limeBelow << " below), yellow " << census.yellow
                            << " over " << census.limeBox.width() << " px, grey " << census.grey
                            << ", text " << census.textOnGrey;

    const int status = program.Stop(SIGTERM, 10s);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
    EXPECT_TRUE(home.settingsExist()) << "the shutdown save did not run";
}

}  // namespace
