#include <gtest/gtest.h>

#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <cstring>
#include <vector>

#include "desktop/LedIconImages.h"
#include "platform/qt/QtTrayShell.h"

namespace {

using Messages = std::vector<std::pair<uint32_t, uint32_t>>;  // mouse message, key state

class TrayShellTest : public testing::Test, public TrayWindow {
protected:
    void OnTrayNotification(const TrayNotification& n) override {
        EXPECT_EQ(std::make_pair(n.callbackMessage, n.iconId), std::make_pair(0x401u, 7u));
        messages.emplace_back(n.mouseMessage, n.keyState);
    }

    bool Notify(NotifyMessage message, uint32_t flags, const std::string& tip = "") {
        NotifyIconData d{
            .hWnd = window, .uID = 7, .uFlags = flags, .uCallbackMessage = 0x401, .hIcon = picture};
        std::strncpy(d.szTip, tip.c_str(), sizeof d.szTip - 1);
        return shell.NotifyIcon(message, d);
    }
    QSystemTrayIcon* Shown() const {
        for (QSystemTrayIcon* tray : shell.findChildren<QSystemTrayIcon*>())
            if (tray->isVisible()) return tray;
        return nullptr;
    }

    bool trayHost = true;
    int noTrayReports = 0;
    QtTrayShell shell{[this] { return trayHost; }, [this] { ++noTrayReports; }};
    TrayWindowId window = shell.CreateWindow(*this);
    TrayIconHandle picture = shell.AddIcon(QIcon(QPixmap(16, 16)));
    Messages messages;
};

TEST_F(TrayShellTest, IconIsShownWithItsPictureAndTipUntilDeleted) {
    ASSERT_TRUE(Notify(NotifyMessage::Add, kNifIcon | kNifTip, "Quorvane"));
    EXPECT_FALSE(Notify(NotifyMessage::Add, kNifTip));
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown()->toolTip(), "Quorvane");
    EXPECT_EQ(Shown()->icon().cacheKey(), shell.Icon(picture).cacheKey());
    const std::string longest(63, 'x');
    EXPECT_TRUE(Notify(NotifyMessage::Modify, kNifTip, longest));
    EXPECT_TRUE(Notify(NotifyMessage::Modify, kNifIcon, "not a tip"));
    EXPECT_EQ(Shown()->toolTip().toStdString(), longest);

    EXPECT_TRUE(Notify(NotifyMessage::Delete, 0));
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_FALSE(Notify(NotifyMessage::Modify, kNifTip));  // an icon that is gone
    EXPECT_FALSE(Notify(NotifyMessage::Delete, 0));
    ASSERT_TRUE(Notify(NotifyMessage::Add, kNifTip));
    shell.DestroyWindow(window);
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_FALSE(Notify(NotifyMessage::Add, kNifTip));
}

// No icon without a notification area, which is told once; with one, the icon opens the
// menu it was given.
TEST_F(TrayShellTest, IconsWaitForATrayAndCarryTheMenu) {
    QMenu menu;
    shell.SetContextMenu(&menu);
    trayHost = false;
    EXPECT_FALSE(Notify(NotifyMessage::Add, kNifTip) || Notify(NotifyMessage::Add, kNifTip));
    EXPECT_EQ(noTrayReports, 1);
    trayHost = true;
    ASSERT_TRUE(Notify(NotifyMessage::Add, kNifTip));
    EXPECT_EQ(Shown()->contextMenu(), &menu);
}

TEST_F(TrayShellTest, ActivationsArriveAsTheMouseMessagesOfTheButton) {
    const std::pair<QSystemTrayIcon::ActivationReason, Messages> cases[] = {
        {QSystemTrayIcon::Context, {{0x204, kMkRButton}, {0x205, 0}}},
        {QSystemTrayIcon::Trigger, {{0x201, kMkLButton}, {0x202, 0}}},
        {QSystemTrayIcon::DoubleClick, {{0x203, kMkLButton}}},
        {QSystemTrayIcon::MiddleClick, {{0x207, kMkMButton}, {0x208, 0}}},
    };
    ASSERT_TRUE(Notify(NotifyMessage::Add, kNifTip));
    emit Shown()->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(messages.empty()) << "an icon without a callback message reported";
    ASSERT_TRUE(Notify(NotifyMessage::Modify, kNifMessage));
    for (const auto& [reason, expected] : cases) {
        messages.clear();
        emit Shown()->activated(reason);
        EXPECT_EQ(messages, expected) << reason;
    }
}

// Each light in its colour; the picture before the first light is a red triangle.
TEST_F(TrayShellTest, LightsAreDrawnInTheirColours) {
    LedIconImages images(shell);
    EXPECT_EQ(shell.Icon(images.Picture().Handle()).pixmap(32, 32).toImage().pixelColor(15, 10),
              QColor(Qt::red));
    for (int dot = 0; dot < LedIconImages::kDotCount; ++dot)
        EXPECT_EQ(
            shell.Icon(images.IconList().GetIcon(dot)).pixmap(16, 16).toImage().pixelColor(8, 8),
            LedIconImages::DotColor(dot));
}

}  // namespace
