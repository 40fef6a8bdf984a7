#include "desktop/QtSingleInstance.h"

#include <QCoreApplication>

QtSingleInstance::QtSingleInstance(const std::string& title)
    : guard_(memory_, activation_, title,
             static_cast<uint32_t>(QCoreApplication::applicationPid())) {
    guard_.OnBringForward = [this] {
        if (window_) BringWindowForward(*window_);
    };
}

void QtSingleInstance::BringForward(QWidget* window) {
    window_ = window;
}

void BringWindowForward(QWidget& window) {
#ifdef _WIN32
    // Windows lets a process take the foreground only when the foreground process allows
    // it; the later instance has done so, and the shell restores the window itself.
    window.show();
    RestoreAndActivate(static_cast<std::uintptr_t>(window.winId()));
#else
    if (window.isMinimized()) window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
#endif
}
