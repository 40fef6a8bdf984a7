#include "fakes/FakeTrayShell.h"

#include <cstring>

TrayWindowId FakeTrayShell::createWindow(TrayWindow& owner) {
    const TrayWindowId window = nextWindow_++;
    windows[window] = &owner;
    return window;
}

void FakeTrayShell::destroyWindow(TrayWindowId window) {
    windows.erase(window);
    destroyedWindows.push_back(window);
}

bool FakeTrayShell::notifyIcon(NotifyMessage message, const NotifyIconData& data) {
    calls.push_back({message, data.cbSize, data.hWnd, data.uID, data.uFlags, data.uCallbackMessage,
                     std::string(data.szTip, strnlen(data.szTip, sizeof data.szTip)), data.hIcon});
    return true;
}

void FakeTrayShell::mouse(TrayWindowId window, uint32_t mouseMessage, int32_t x, int32_t y,
                          uint32_t keyState, bool altDown, uint32_t callbackMessage) {
    TrayNotification n;
    n.callbackMessage = callbackMessage;
    n.iconId = 1;
    n.mouseMessage = mouseMessage;
    n.x = x;
    n.y = y;
    n.keyState = keyState;
    n.altDown = altDown;
    windows.at(window)->trayNotification(n);
}

bool FakeTrayShell::queryEndSession(TrayWindowId window) {
    return windows.at(window)->queryEndSession();
}

namespace {

std::string ButtonName(MouseButton button) {
    switch (button) {
        case MouseButton::mbLeft:
            return "left";
        case MouseButton::mbRight:
            return "right";
        case MouseButton::mbMiddle:
            return "middle";
    }
    return "?";
}

}  // namespace

TrayEventLog::TrayEventLog(TSpTrayIcon& icon) {
    icon.OnMouseDown = [this](TSpTrayIcon&, MouseButton b, ShiftState s, int x, int y) {
        mouse("down " + ButtonName(b) + (s.Contains(ShiftKey::ssDouble) ? " double" : ""), s, x, y);
    };
    icon.OnMouseUp = [this](TSpTrayIcon&, MouseButton b, ShiftState s, int x, int y) {
        mouse("up " + ButtonName(b), s, x, y);
    };
    icon.OnMouseMove = [this](TSpTrayIcon&, ShiftState s, int x, int y) { mouse("move", s, x, y); };
    icon.OnClick = [this](TSpTrayIcon&) { events.push_back("click"); };
    icon.OnDblClick = [this](TSpTrayIcon&) { events.push_back("dblclick"); };
}

void TrayEventLog::mouse(const std::string& what, ShiftState shift, int x, int y) {
    events.push_back(what);
    shifts.push_back(shift);
    positions.emplace_back(x, y);
}
