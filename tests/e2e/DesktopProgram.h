#pragma once
// The built program run as the operator runs it, in a sandbox of its own: a private
// settings folder, runtime directory (so its single-instance scope is its own) and
// working directory, the meter emulator as COM1 and a test ALSA mixer as the default
// sound card. XServer gives it a real X display, with a notification-area host if asked.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/MeterSim.h"
#include "support/Process.h"
#include "support/ScopedEnv.h"
#include "support/TempConfigHome.h"
#include "support/alsa/AlsaTestConfig.h"

// Polls `done` until it holds or a generous limit passes (slow machines, sanitizers).
bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds limit = std::chrono::seconds(30));

std::string ReadFile(const std::string& path);

class ProgramSandbox {
public:
    // `settings`, when not empty, is written as quorvane.ini before anything starts.
    // `meter` says how the emulator on COM1 behaves; without one nothing is linked there.
    explicit ProgramSandbox(const std::string& settings = "",
                            const std::optional<MeterSim::Options>& meter = MeterSim::Options{});
    ~ProgramSandbox();
    ProgramSandbox(const ProgramSandbox&) = delete;
    ProgramSandbox& operator=(const ProgramSandbox&) = delete;

    MeterSim& Meter() { return *meter_; }
    // Where the program looks for COM<n>.
    std::string PortLink(int comPort) const;
    TempConfigHome& Home() { return home_; }
    const std::string& WorkDir() const { return workDir_; }
    std::string LogText() const { return ReadFile(workDir_ + "/quorvane.log"); }
    std::filesystem::file_time_type SettingsTime() const;
    // What the last close of a real port does after a kill: the line forgets the dead
    // process's exclusive claim. The emulator's own hold on its line keeps it otherwise.
    void ReleaseDeadClaimOnLine();
    // After an orderly end of a program started with Debug=1 and no port stored: the
    // shutdown save wrote what it started without, and the log was closed whole.
    void ExpectOrderlyEnd() const;

private:
    TempConfigHome home_;
    std::optional<ScopedEnv> runtimeEnv_;
    std::string workDir_;
    std::unique_ptr<AlsaTestConfig> mixer_;
    std::unique_ptr<MeterSim> meter_;
};

// One run of the program in a sandbox. Killed at once if still running when destroyed.
class ProgramProcess {
public:
    // `platform` is the Qt platform plugin: "offscreen" or "xcb" (the DISPLAY in force).
    // With `gate` (a pipe), the process waits until the pipe's write end closes, then starts.
    ProgramProcess(const ProgramSandbox& sandbox, const std::string& platform,
                   const int* gate = nullptr);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    pid_t Pid() const { return pid_; }
    bool Running();
    // The exit code, or 128 + the signal that ended it; nothing if it did not end in time.
    std::optional<int> WaitForExit();
    std::optional<int> Stop(int signal);
    // What it wrote to stdout and stderr.
    std::string Output() const { return ReadFile(outputPath_); }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
    std::string outputPath_;
};

// Xvfb on a display number of its own, named by DISPLAY while the object lives.
class XServer {
public:
    // With a tray host (trayer) docked at the top right, waits until it shows.
    explicit XServer(bool trayHost);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // False (with the reason) when the tools are missing or the display did not come up.
    bool Ready() const { return failure_.empty(); }
    const std::string& Failure() const { return failure_; }
    // Starts another X client (an ordinary window to cover others with).
    void StartClient(const std::vector<std::string>& command);

private:
    std::vector<pid_t> pids_;
    std::optional<ScopedEnv> display_;
    std::string failure_;
};

// Decimal ids of the X windows that meet all these `xdotool search` conditions.
std::vector<unsigned long> SearchWindows(const std::vector<std::string>& arguments);
// Windows whose title is exactly `title` (no regular-expression characters in it), of
// process `pid` if not 0, shown ones only unless `onlyVisible` is false.
std::vector<unsigned long> WindowsTitled(const std::string& title, pid_t pid = 0,
                                         bool onlyVisible = true);
// Top-level windows, topmost first.
std::vector<unsigned long> StackingOrder();
// $QUORVANE_ARTIFACTS, by default the build folder's artifacts/, made if missing.
std::filesystem::path ArtifactsDir();
// Saves a picture of the whole display there as <name>.png and returns its path; a
// failure when no picture was written.
std::string KeepScreenshot(const std::string& name);
