#pragma once
// A notification area that records every call and lets a test play the shell's part.

#include <map>
#include <string>
#include <vector>

#include "desktop/SpTrayIc.h"
#include "platform/TrayShell.h"

struct ShellCall {
    NotifyMessage message;
    uint32_t size;
    TrayWindowId window;
    uint32_t id;
    uint32_t flags;
    uint32_t callbackMessage;
    std::string tip;
    TrayIconHandle icon;
};

class FakeTrayShell final : public TrayShell {
public:
    TrayWindowId createWindow(TrayWindow& owner) override;
    void destroyWindow(TrayWindowId window) override;
    bool notifyIcon(NotifyMessage message, const NotifyIconData& data) override;

    // The shell's reports to a window.
    void mouse(TrayWindowId window, uint32_t mouseMessage, int32_t x = 0, int32_t y = 0,
               uint32_t keyState = 0, bool altDown = false, uint32_t callbackMessage = 0x400);
    bool queryEndSession(TrayWindowId window);

    std::vector<ShellCall> calls;
    std::vector<TrayWindowId> destroyedWindows;
    std::map<TrayWindowId, TrayWindow*> windows;

private:
    TrayWindowId nextWindow_ = 100;
};

// Every event of a tray icon as text ("down right double", "click", ...), with the shift
// state and position of the mouse events.
class TrayEventLog {
public:
    explicit TrayEventLog(TSpTrayIcon& icon);

    std::vector<std::string> events;
    std::vector<ShiftState> shifts;
    std::vector<std::pair<int, int>> positions;

private:
    void mouse(const std::string& what, ShiftState shift, int x, int y);
};
