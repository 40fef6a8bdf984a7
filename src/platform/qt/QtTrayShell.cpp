#include "platform/qt/QtTrayShell.h"

#include <QCursor>
#include <QGuiApplication>
#include <cstring>
#include <utility>

QtTrayShell::QtTrayShell(TrayAvailable available, NoTrayReport noTray, QObject* parent)
    : QObject(parent), available_(std::move(available)), noTray_(std::move(noTray)) {}

QtTrayShell::~QtTrayShell() {
    while (!icons_.empty()) Remove(icons_.begin());
}

TrayIconHandle QtTrayShell::AddIcon(const QIcon& icon) {
    const TrayIconHandle handle = nextPicture_++;
    pictures_[handle] = icon;
    return handle;
}

QIcon QtTrayShell::Icon(TrayIconHandle handle) const {
    const auto it = pictures_.find(handle);
    return it == pictures_.end() ? QIcon() : it->second;
}

TrayWindowId QtTrayShell::CreateWindow(TrayWindow& owner) {
    const TrayWindowId window = nextWindow_++;
    windows_[window] = &owner;
    return window;
}

void QtTrayShell::DestroyWindow(TrayWindowId window) {
    windows_.erase(window);
    for (auto it = icons_.begin(); it != icons_.end();) {
        auto next = std::next(it);
        if (it->first.first == window) Remove(it);
        it = next;
    }
}

bool QtTrayShell::NotifyIcon(NotifyMessage message, const NotifyIconData& data) {
    const IconKey key{data.hWnd, data.uID};
    const auto it = icons_.find(key);
    switch (message) {
        case NotifyMessage::Add: {
            if (it != icons_.end() || !windows_.contains(data.hWnd)) return false;
            // Without a tray Qt would only warn, and on Wayland complain of a missing signal.
            if (!available_()) {
                if (noTray_) std::exchange(noTray_, nullptr)();
                return false;
            }
            ShellIcon& icon = icons_[key];
            icon.tray = new QSystemTrayIcon(this);
            icon.tray->setContextMenu(menu_);
            connect(
                icon.tray, &QSystemTrayIcon::activated, this,
                [this, key](QSystemTrayIcon::ActivationReason reason) { Activated(key, reason); });
            Apply(icon, data);
            icon.tray->show();
            return true;
        }
        case NotifyMessage::Modify:
            if (it == icons_.end()) return false;
            Apply(it->second, data);
            return true;
        case NotifyMessage::Delete:
            if (it == icons_.end()) return false;
            Remove(it);
            return true;
    }
    return false;
}

void QtTrayShell::Apply(ShellIcon& icon, const NotifyIconData& data) {
    if (data.uFlags & kNifMessage) {
        icon.callbackMessage = data.uCallbackMessage;
        icon.reports = true;
    }
    if (data.uFlags & kNifIcon) icon.tray->setIcon(this->Icon(data.hIcon));
    if (data.uFlags & kNifTip)
        icon.tray->setToolTip(
            QString::fromUtf8(data.szTip, strnlen(data.szTip, sizeof data.szTip)));
}

void QtTrayShell::Remove(std::map<IconKey, ShellIcon>::iterator it) {
    QSystemTrayIcon* tray = it->second.tray;
    icons_.erase(it);
    tray->hide();
    // Later: this may run inside the icon's own activation signal.
    tray->deleteLater();
}

void QtTrayShell::Activated(IconKey key, QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Context:
            if (Send(key, 0x204, kMkRButton)) Send(key, 0x205, 0);
            break;
        case QSystemTrayIcon::Trigger:
            if (Send(key, 0x201, kMkLButton)) Send(key, 0x202, 0);
            break;
        case QSystemTrayIcon::DoubleClick:
            Send(key, 0x203, kMkLButton);
            break;
        case QSystemTrayIcon::MiddleClick:
            if (Send(key, 0x207, kMkMButton)) Send(key, 0x208, 0);
            break;
        case QSystemTrayIcon::Unknown:
            break;
    }
}

bool QtTrayShell::Send(IconKey key, uint32_t mouseMessage, uint32_t buttonDown) {
    const auto icon = icons_.find(key);
    const auto window = windows_.find(key.first);
    if (icon == icons_.end() || window == windows_.end()) return false;
    if (!icon->second.reports) return true;

    TrayNotification n;
    n.callbackMessage = icon->second.callbackMessage;
    n.iconId = key.second;
    n.mouseMessage = mouseMessage;
    const QPoint pos = QCursor::pos();
    n.x = pos.x();
    n.y = pos.y();
    const Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
    n.keyState = buttonDown;
    if (keys & Qt::ShiftModifier) n.keyState |= kMkShift;
    if (keys & Qt::ControlModifier) n.keyState |= kMkControl;
    n.altDown = (keys & Qt::AltModifier) != 0;
    window->second->OnTrayNotification(n);
    return true;
}
