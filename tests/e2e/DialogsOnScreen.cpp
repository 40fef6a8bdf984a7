// Every dialog opened from the real main window's menu on a real X server: beside the main
// window, on the screen, showing text; saved as menu-<form>.png in $QUORVANE_ARTIFACTS.
// Run by the e2e test under Xvfb, not by ctest directly.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QtTest/QTest>

#include "support/app/MainWindowHarness.h"

namespace {

// What the X server holds for the window, not what Qt would paint into a pixmap: all of it,
// in more colours than a blank or black window has (a face colour and anti-aliased text
// give many). Saved as <name>.png in $QUORVANE_ARTIFACTS.
void ExpectShowsAndSave(QWidget& window, const QString& name) {
    QCoreApplication::processEvents();
    const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
    EXPECT_EQ(shot.size(), window.size() * window.devicePixelRatio()) << name.toStdString();
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2) colours.insert(shot.pixel(x, y));
    EXPECT_GT(colours.size(), 8) << name.toStdString();
    const QDir artifacts(qEnvironmentVariable("QUORVANE_ARTIFACTS"));
    EXPECT_TRUE(shot.save(artifacts.filePath(name + ".png"))) << name.toStdString();
}

TEST(DialogsOnScreen, EveryMenuDialogOpensBesideTheMainWindow) {
    // Placed well inside the screen, so that every dialog beside it fits too.
    MainWindowHarness::Options options{
        .settings = "[SCREEN PARMS]\r\nLeft=40\r\nTop=40\r\nWidth=447\r\nHeight=328\r\n"};
    // Two cards, so that "Set Sound Card" opens its dialog rather than a note.
    options.mixer.push_back(OneCardMixer()[0]);
    options.mixer[1].ProductName = "USB Audio CODEC";
    MainWindowHarness h(options);
    ASSERT_TRUE(h.Start());
    TMainForm& main = h.Form();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    h.Cycle();
    ExpectShowsAndSave(main, "menu-TMainForm");

    DialogSet& d = h.Dialogs();
    struct Opened {
        const char* name;
        QAction* command;
        QDialog* dialog;
    };
    const Opened all[] = {
        {"TPortForm", MainFormProbe(main).ComPort1(), d.PortForm.get()},
        {"TRefreshForm", MainFormProbe(main).RefreshRate1(), d.RefreshForm.get()},
        {"TGainForm", MainFormProbe(main).Feedbackgain1(), d.GainForm.get()},
        {"TIMDForm", MainFormProbe(main).argetIMD1(), d.IMDForm.get()},
        {"TNoiseForm", MainFormProbe(main).NoiseThreshold1(), d.NoiseForm.get()},
        {"TPowerLimitForm", MainFormProbe(main).PowerLimit(), d.PowerLimitForm.get()},
        {"TShowPowerForm", MainFormProbe(main).ShowPower(), d.ShowPowerForm.get()},
        {"TSoundCardForm", MainFormProbe(main).SetSoundCard(), d.SoundCardForm.get()},
        {"TTestSoundCardForm", MainFormProbe(main).TestSoundCard(), d.TestSoundCardForm.get()},
        {"TAboutForm", MainFormProbe(main).About1(), d.AboutForm.get()},
    };
    for (const Opened& o : all) {
        SCOPED_TRACE(o.name);
        QDialog& dialog = *o.dialog;
        EXPECT_TRUE(h.Operate(o.command, dialog, [&] {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            // About opens on the main window's corner, the others beside it.
            const QPoint offset = o.dialog == d.AboutForm.get() ? QPoint() : QPoint(10, 10);
            EXPECT_EQ(dialog.pos(), main.pos() + offset);
            EXPECT_TRUE(dialog.screen()->geometry().contains(dialog.frameGeometry()));
            ExpectShowsAndSave(dialog, QString("menu-") + o.name);
        }));
    }
    EXPECT_TRUE(h.Messages().empty());
}

// Changing the stay-on-top hint gives the window a new native window; on a real X server
// that one must come up where the old one was.
TEST(DialogsOnScreen, StayOnTopToggleKeepsTheMainWindowInPlace) {
    MainWindowHarness h({.settings = "[SCREEN PARMS]\r\nLeft=120\r\nTop=90\r\n"});
    ASSERT_TRUE(h.Start());
    TMainForm& main = h.Form();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    const QRect place = main.geometry();
    ASSERT_TRUE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (const bool onTop : {false, true, false}) {
        MainFormProbe(main).AlwaysonTop1()->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        EXPECT_EQ(MainFormProbe(main).AlwaysonTop1()->isChecked(), onTop);
        EXPECT_EQ(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_EQ(main.geometry(), place);
    }
    h.Shutdown();
    EXPECT_EQ(h.Saved("MISC", "Always on Top"), "0");
}

}  // namespace
