#pragma once
// A notification area that records every call and lets a test play the shell's part.

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/TrayShell.h"

class FakeTrayShell final : public TrayShell {
public:
    TrayWindowId CreateWindow(TrayWindow& owner) override {
        windows[nextWindow_] = &owner;
        return nextWindow_++;
    }
    void DestroyWindow(TrayWindowId window) override { windows.erase(window); }
    // Each call as its message and the fields its flags set: "Modify icon 13"; an icon
    // that does not name its window and callback message is not one the shell can report to.
    bool NotifyIcon(NotifyMessage message, const NotifyIconData& d) override {
        std::string text = message == NotifyMessage::Add      ? "Add"
                           : message == NotifyMessage::Modify ? "Modify"
                                                              : "Delete";
        if (!windows.count(d.hWnd) || d.uID != 1) text += " unknown";
        if (d.uFlags & kNifMessage) text += d.uCallbackMessage == 0x400 ? " msg" : " other msg";
        if (d.uFlags & kNifIcon) text += " icon " + std::to_string(d.hIcon);
        if (d.uFlags & kNifTip) text += " tip " + std::string(d.szTip, strnlen(d.szTip, 64));
        calls.push_back(text);
        return true;
    }

    // The shell's report of a mouse message to a window.
    void Mouse(TrayWindowId window, uint32_t mouseMessage, int32_t x, int32_t y,
               uint32_t callbackMessage) {
        windows.at(window)->OnTrayNotification({callbackMessage, 1, mouseMessage, x, y, 0, false});
    }

    std::vector<std::string> calls;
    std::map<TrayWindowId, TrayWindow*> windows;

private:
    TrayWindowId nextWindow_ = 100;
};
