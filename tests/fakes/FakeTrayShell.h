#pragma once
// A notification area that records every call and lets a test play the shell's part.

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "desktop/SpTrayIc.h"
#include "platform/TrayShell.h"

class FakeTrayShell final : public TrayShell {
public:
    TrayWindowId CreateWindow(TrayWindow& owner) override {
        windows[nextWindow_] = &owner;
        return nextWindow_++;
    }
    void DestroyWindow(TrayWindowId window) override {
        windows.erase(window);
        destroyedWindows.push_back(window);
    }
    // Each call as its message and the fields its flags set: "Modify icon 13".
    bool NotifyIcon(NotifyMessage message, const NotifyIconData& d) override {
        std::string text = message == NotifyMessage::Add      ? "Add"
                           : message == NotifyMessage::Modify ? "Modify"
                                                              : "Delete";
        if (d.uFlags & kNifMessage) text += " msg";
        if (d.uFlags & kNifIcon) text += " icon " + std::to_string(d.hIcon);
        if (d.uFlags & kNifTip) text += " tip " + std::string(d.szTip, strnlen(d.szTip, 64));
        calls.push_back(text);
        last = d;
        return true;
    }

    // The shell's reports to a window.
    void Mouse(TrayWindowId window, uint32_t mouseMessage, int32_t x = 0, int32_t y = 0,
               uint32_t keyState = 0, bool altDown = false, uint32_t callbackMessage = 0x400) {
        windows.at(window)->OnTrayNotification(
            {callbackMessage, 1, mouseMessage, x, y, keyState, altDown});
    }

    std::vector<std::string> calls;
    NotifyIconData last;
    std::vector<TrayWindowId> destroyedWindows;
    std::map<TrayWindowId, TrayWindow*> windows;

private:
    TrayWindowId nextWindow_ = 100;
};

// Every event of a tray icon as text ("down right double", "click", ...), with the shift
// state and position of the mouse events.
class TrayEventLog {
public:
    explicit TrayEventLog(TSpTrayIcon& icon) {
        icon.OnMouseDown = [this](TSpTrayIcon&, MouseButton b, ShiftState s, int x, int y) {
            Mouse("down " + Name(b) + (s.Contains(ShiftKey::ssDouble) ? " double" : ""), s, x, y);
        };
        icon.OnMouseUp = [this](TSpTrayIcon&, MouseButton b, ShiftState s, int x, int y) {
            Mouse("up " + Name(b), s, x, y);
        };
        icon.OnMouseMove = [this](TSpTrayIcon&, ShiftState s, int x, int y) {
            Mouse("move", s, x, y);
        };
        icon.OnClick = [this](TSpTrayIcon&) { events.push_back("click"); };
        icon.OnDblClick = [this](TSpTrayIcon&) { events.push_back("dblclick"); };
    }

    std::vector<std::string> events;
    std::vector<ShiftState> shifts;
    std::vector<std::pair<int, int>> positions;

private:
    static std::string Name(MouseButton button) {
        return button == MouseButton::mbLeft    ? "left"
               : button == MouseButton::mbRight ? "right"
                                                : "middle";
    }
    void Mouse(const std::string& what, ShiftState shift, int x, int y) {
        events.push_back(what);
        shifts.push_back(shift);
        positions.emplace_back(x, y);
    }
};
