#pragma once
// Which of Qt's window-system plugins the program runs on, chosen before the application
// object is made. In a Wayland session with XWayland the program runs through X11 (Qt's
// "xcb"), where its window can keep its place, stay on top, report being minimized and be
// brought forward; natively ("wayland") where there is no X display, or where the
// operator asks for it with "Platform" in [MISC]. QT_QPA_PLATFORM and -platform are Qt's
// own and are left to Qt.

#include <string>

// What the session offers.
struct DisplaySession {
    bool waylandDisplay = false;  // WAYLAND_DISPLAY is set
    bool xDisplay = false;        // DISPLAY is set (an X server or XWayland)
    bool xcbPlugin = false;       // Qt's xcb plugin is installed
    bool waylandPlugin = false;   // Qt's wayland plugin (qt6-wayland) is installed
};

struct PlatformChoice {
    std::string platform;  // "xcb" or "wayland"; "" when nothing can open a window
    std::string note;      // a line for standard error, or ""
};

// `asked` is the "Platform" key: "xcb" (or "x11"), "wayland", or "" to choose by itself;
// case and blanks do not matter. A plugin asked for that cannot run here is noted and
// the choice made as without the key.
PlatformChoice ChooseDisplayPlatform(const DisplaySession& session, const std::string& asked);
