#pragma once
// The built program run as a process of its own, an X server for it to show on, and the
// X tools that look at its windows.

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// An Xvfb server on a display number it picks itself; stopped when the object goes.
class XvfbDisplay {
public:
    XvfbDisplay();  // throws std::runtime_error when the server does not come up
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    const std::string& Name() const { return name_; }  // ":n"

private:
    pid_t pid_ = -1;
    std::string name_;
};

// The program, started in `workDir` with this process's environment; its output goes to
// workDir/program.out. Killed when the object goes while it still runs.
class ProgramProcess {
public:
    ProgramProcess(const std::string& program, const std::string& workDir);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    void Signal(int signal);
    // The exit status once the program has ended, 128 + n when signal n ended it; nothing
    // when it still runs after `limit`.
    std::optional<int> WaitForExit(std::chrono::milliseconds limit);

private:
    pid_t pid_ = -1;
};

// Runs a tool and returns what it printed on its standard output.
std::string RunTool(const std::vector<std::string>& argv, int* status = nullptr);

// Asks `done` every 50 ms until it is true or `limit` has passed; its last answer.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

// The shown X window whose title is exactly `title`, as xdotool sees it; empty when none.
std::string FindWindow(const std::string& title);
