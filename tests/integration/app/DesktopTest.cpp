// The firmware the meter reports, at start-up and in the About box, and the tray icon's
// menu, on the real main window against the emulator.

#include <gtest/gtest.h>

#include <QLabel>
#include <QSysInfo>
#include <QTest>
#include <algorithm>

#include "app/StatusPanel.h"
#include "integration/app/AppTestSupport.h"
#include "platform/linux/LinuxSystemInfo.h"

namespace {

// The CMake project version as a.b.c.d, missing parts as 0.
std::string ProjectVersion() {
    std::string version = QUORVANE_PROJECT_VERSION;
    for (auto dots = std::count(version.begin(), version.end(), '.'); dots < 3; ++dots)
        version += ".0";
    return version;
}

std::string Text(const QLabel* label) {
    return label->text().toStdString();
}

TEST(FirmwareTest, VersionAboveOneZeroZeroEnablesPsk63AtStartAndInTheAboutBox) {
    struct Case {
        const char* version;  // the emulator's; "none": no version in its identification
        bool psk63Stored;     // "Mode" in the settings file
        bool psk63Enabled;
        const char* mode;  // the status line's mode label
        char dataCommand;  // what one cycle sends; '\0': none, the meter is asked who it is again
    };
    const Case cases[] = {{"1.00", true, false, "", 'S'},
                          {"1.10", false, true, "PSK31", 's'},
                          {"none", false, false, "", '\0'}};
    const LinuxSystemInfo platform;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.version) + (c.psk63Stored ? " with PSK63 stored" : ""));
        MainWindowHarness h(
            {.meter = {.version = c.version},
             .settings = std::string("[MISC]\r\nMode=") + (c.psk63Stored ? "1" : "0") + "\r\n"});
        // What the real program shows: the platform's own answers.
        h.System().program = platform.ProgramVersion();
        h.System().os = platform.OsName();
        ASSERT_TRUE(h.Start());
        TMainForm& form = h.Form();
        EXPECT_EQ(MainFormProbe(form).PSK63()->isEnabled(), c.psk63Enabled);
        EXPECT_EQ(MainFormProbe(form).PSK63()->isChecked(),
                  c.psk63Stored);  // disabled, but still checked
        EXPECT_EQ(h.Label("Mode"), c.mode);
        EXPECT_EQ(Title(h), std::string(*c.mode ? c.mode : "PSK31") + " RF Monitoring on COM1");
        const std::string firmware = h.Splatter();  // start-up's answer of the meter

        h.Cycle();
        const std::string commands = h.Meter().CommandsReceived();
        EXPECT_EQ(commands.find_first_of("sS") == std::string::npos ? '\0' : commands.back(),
                  c.dataCommand)
            << commands;
        const int asked = h.Meter().CommandCount('v');
        EXPECT_EQ(asked, c.dataCommand == '\0' ? 2 : 1) << commands;

        // Undo what start-up made of the firmware, so that only the About box can set it.
        MainFormProbe(form).PSK63()->setEnabled(!c.psk63Enabled);
        MainFormProbe(form).Panel1()->Mode->setText("stale");
        MainFormProbe(form).Timer1()->start();
        TAboutForm& about = *h.Dialogs().AboutForm;
        ASSERT_TRUE(h.Operate(MainFormProbe(form).About1(), about, [&] {
            EXPECT_FALSE(MainFormProbe(form).Timer1()->isActive())
                << "no cycle between the firmware exchanges";
            EXPECT_EQ(Text(about.VersionNumber), "Quorvane Version " + ProjectVersion());
            EXPECT_EQ(Text(about.FirmwareInfoLabel), "Firmware: " + firmware);
            EXPECT_EQ(Text(about.OSVersion),
                      "Operating System: " + QSysInfo::prettyProductName().toStdString());
            EXPECT_EQ(h.Meter().CommandCount('v'), asked + 1);
            EXPECT_EQ(MainFormProbe(form).PSK63()->isEnabled(), c.psk63Enabled);
            EXPECT_EQ(h.Label("Mode"), c.mode);
            EXPECT_EQ(about.pos(), form.pos());

            // A click on the firmware line asks the meter again.
            MainFormProbe(form).PSK63()->setEnabled(!c.psk63Enabled);
            QTest::mouseClick(about.FirmwareInfoLabel, Qt::LeftButton, {}, QPoint(2, 2));
            EXPECT_EQ(h.Meter().CommandCount('v'), asked + 2);
            EXPECT_EQ(MainFormProbe(form).PSK63()->isEnabled(), c.psk63Enabled);

            // With the meter gone the line says so, and PSK63 goes with it.
            h.Meter().Kill();
            QTest::mouseClick(about.FirmwareInfoLabel, Qt::LeftButton, {}, QPoint(2, 2));
            EXPECT_EQ(Text(about.FirmwareInfoLabel), "Firmware: QUORVANE firmware not detected");
            EXPECT_FALSE(MainFormProbe(form).PSK63()->isEnabled());
            EXPECT_EQ(h.Label("Mode"), "");
        }));
        EXPECT_TRUE(MainFormProbe(form).Timer1()->isActive())
            << "the timer runs again once the box is closed";
    }
}

TEST(TrayMenuCommandsTest, MenuHasTheTwoEntriesAndTheHelpNamesTheFourColours) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    std::vector<std::string> entries;
    for (const QAction* action : h.Probe().LedIconPopupMenu()->actions())
        entries.push_back(action->text().toStdString());
    EXPECT_EQ(entries, (std::vector<std::string>{"&Color Code Help", "Quorvane &Exit"}));

    h.Probe().ColorCode1()->trigger();
    ASSERT_EQ(h.Messages().size(), 1u);
    ExpectMessage(h.Messages()[0], "QUORVANE tray icon color codes", "i",
                  "White = No signal;Black = Underdriven (weak) signal;Blue  = Clean signal;"
                  "Red   = Overmodulated signal (splatter)");
}

}  // namespace
