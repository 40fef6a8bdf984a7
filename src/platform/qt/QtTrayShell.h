#pragma once
// The notification area through QSystemTrayIcon. Qt reports only activation reasons,
// so each one is turned into the mouse messages a Windows shell would have sent:
// a context click into right down and up, a trigger into left down and up, a double
// click into a left double-click, a middle click into middle down and up.

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <map>
#include <utility>

#include "platform/TrayShell.h"

class QMenu;

class QtTrayShell final : public QObject, public TrayShell {
public:
    // Whether the desktop has a notification area now; asked before each icon is added,
    // since a tray host may come and go (GNOME has none without an extension).
    using TrayAvailable = std::function<bool()>;
    // Told once, the first time an icon is refused for want of a notification area.
    using NoTrayReport = std::function<void()>;

    explicit QtTrayShell(TrayAvailable available = &QSystemTrayIcon::isSystemTrayAvailable,
                         NoTrayReport noTray = {}, QObject* parent = nullptr);
    ~QtTrayShell() override;

    // The menu every icon opens itself, where the desktop draws it (a StatusNotifierItem
    // host puts it where the icon was clicked).
    void SetContextMenu(QMenu* menu) { menu_ = menu; }

    // Pictures are handed to the core as handles; 0 stays "no picture".
    TrayIconHandle AddIcon(const QIcon& icon);
    QIcon Icon(TrayIconHandle handle) const;

    TrayWindowId CreateWindow(TrayWindow& owner) override;
    void DestroyWindow(TrayWindowId window) override;
    bool NotifyIcon(NotifyMessage message, const NotifyIconData& data) override;

private:
    struct ShellIcon {
        QSystemTrayIcon* tray = nullptr;
        uint32_t callbackMessage = 0;
        bool reports = false;  // kNifMessage was given
    };
    using IconKey = std::pair<TrayWindowId, uint32_t>;

    void Apply(ShellIcon& icon, const NotifyIconData& data);
    void Remove(std::map<IconKey, ShellIcon>::iterator it);
    void Activated(IconKey key, QSystemTrayIcon::ActivationReason reason);
    // False when the icon or its window went away meanwhile.
    bool Send(IconKey key, uint32_t mouseMessage, uint32_t buttonDown);

    std::map<TrayWindowId, TrayWindow*> windows_;
    std::map<IconKey, ShellIcon> icons_;
    std::map<TrayIconHandle, QIcon> pictures_;
    TrayAvailable available_;
    NoTrayReport noTray_;
    QMenu* menu_ = nullptr;
    TrayWindowId nextWindow_ = 1;
    TrayIconHandle nextPicture_ = 1;
};
