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
    return accept;
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
