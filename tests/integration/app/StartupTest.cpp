// Start-up and shutdown of the real main window against the meter emulator.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "support/app/MainWindowHarness.h"

namespace {

MainWindowHarness::Options WithSettings(const std::string& ini) {
    MainWindowHarness::Options options;
    options.settings = ini;
    return options;
}

TEST(StartupTest, NoSettingsFileGivesTheDefaultsAndTalksToTheMeterOnCom1) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    TMainForm& form = h.Form();
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(form.width(), 300);
    EXPECT_EQ(form.height(), 200);
    EXPECT_EQ(form.pos().x(), screenWidth - 447);
    EXPECT_EQ(form.pos().y(), 0);
    EXPECT_TRUE(form.AlwaysonTop1->isChecked());
    EXPECT_FALSE(form.ALC->isChecked());
    EXPECT_FALSE(form.PSK63->isChecked());
    EXPECT_TRUE(form.PSK63->isEnabled());  // the emulator reports 1.10
    EXPECT_EQ(form.Timer1->interval(), 1000);
    EXPECT_EQ(form.Settings_.Gain, 5.0);
    EXPECT_EQ(form.Settings_.TargetIMD, -22);
    EXPECT_EQ(form.Settings_.NoiseFloor, 10);
    EXPECT_EQ(form.Settings_.AudioFloor, 10);
    EXPECT_EQ(form.windowTitle().toStdString(), "PSK31 RF Monitoring on COM1");
    EXPECT_NE(h.Splatter().find("Version 1.10"), std::string::npos) << h.Splatter();
    EXPECT_EQ(h.Label("Mode"), "PSK31");
    EXPECT_FALSE(h.LogExists());

    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
}

TEST(StartupTest, DebugLogRecordsTheStartInOrder) {
    MainWindowHarness h(WithSettings("[MISC]\r\nDebug=1\r\n"));
    ASSERT_TRUE(h.Start());
    h.Shutdown();
    const std::string log = h.LogText();
    size_t at = 0;
    for (const char* line :
         {"Starting Quorvane\r\n", "COM PORT found in quorvane.ini: 1\r\n", "OS is not NT or ",
          "kestral.sys not found.\r\n", "CreateFile on port COM1 returned with valid handle.\r\n",
          "dcb.Flags going in = ", "dcb.DCBLength = ", "dcb.Flags about to be set to 1\r\n",
          "Comport COM1 successfully opened.\r\n"}) {
        const size_t found = log.find(line, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << line << "\n" << log;
        at = found;
    }
    EXPECT_EQ(log.rfind("Starting Quorvane\r\n", 0), 0u);
}

}  // namespace
