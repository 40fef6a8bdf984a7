// The main window on a real X server, where changing the stay-on-top hint gives it a new
// native window: that one must come up where the old one was. Run by the e2e test.

#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "support/app/MainWindowHarness.h"

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
