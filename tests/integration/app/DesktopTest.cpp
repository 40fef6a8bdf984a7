// The About box and the tray icon's menu on the real main window against the emulator.

#include <gtest/gtest.h>

#include <QLabel>
#include <QSysInfo>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <ostream>

#include "app/StatusPanel.h"
#include "platform/linux/LinuxSystemInfo.h"
#include "support/app/MainWindowHarness.h"

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

struct AboutCase {
    std::string firmware;
    bool psk63Checked;
    bool psk63Enabled;
    std::string mode;
};

void PrintTo(const AboutCase& c, std::ostream* out) {
    *out << "firmware " << c.firmware << (c.psk63Checked ? ", PSK63 checked" : "");
}

class AboutBoxTest : public ::testing::TestWithParam<AboutCase> {};

TEST_P(AboutBoxTest, ShowsTheVersionsStopsTheTimerAndFollowsTheFirmware) {
    const AboutCase& c = GetParam();
    MainWindowHarness::Options options;
    options.meter.version = c.firmware;
    MainWindowHarness h(options);
    // What the real program shows: the platform's own answers.
    const LinuxSystemInfo platform;
    h.System().program = platform.programVersion();
    h.System().os = platform.osName();
    ASSERT_TRUE(h.Start());
    TMainForm& form = h.Form();
    const std::string firmwareText = h.Splatter();  // start-up's answer of the meter
    ASSERT_EQ(h.Meter().CommandCount('v'), 1);

    // Undo what start-up made of the firmware, so that only the About box can set it.
    form.PSK63->setChecked(c.psk63Checked);
    form.PSK63->setEnabled(!c.psk63Enabled);
    form.Panel1->Mode->setText("stale");
    form.Timer1->start();

    TAboutForm* about = h.Dialogs().AboutForm.get();
    bool shown = false;
    QTimer::singleShot(0, about, [&] {
        shown = true;
        EXPECT_TRUE(about->isVisible());
        EXPECT_FALSE(form.Timer1->isActive()) << "no cycle between the firmware exchanges";
        EXPECT_EQ(Text(about->VersionNumber), "Quorvane Version " + ProjectVersion());
        EXPECT_EQ(Text(about->FirmwareInfoLabel), "Firmware: " + firmwareText);
        EXPECT_EQ(Text(about->OSVersion),
                  "Operating System: " + QSysInfo::prettyProductName().toStdString());
        EXPECT_EQ(h.Meter().CommandCount('v'), 2);
        EXPECT_EQ(form.PSK63->isEnabled(), c.psk63Enabled);
        EXPECT_EQ(h.Label("Mode"), c.mode);
        EXPECT_EQ(about->pos(), form.pos());

        // A click on the firmware line asks the meter again.
        form.PSK63->setEnabled(!c.psk63Enabled);
        QTest::mouseClick(about->FirmwareInfoLabel, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(h.Meter().CommandCount('v'), 3);
        EXPECT_EQ(form.PSK63->isEnabled(), c.psk63Enabled);

        // With the meter gone the line says so, and PSK63 goes with it.
        h.Meter().Kill();
        QTest::mouseClick(about->FirmwareInfoLabel, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(Text(about->FirmwareInfoLabel), "Firmware: QUORVANE firmware not detected");
        EXPECT_FALSE(form.PSK63->isEnabled());
        EXPECT_EQ(h.Label("Mode"), "");
        about->close();
    });
    form.About1Click();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(form.Timer1->isActive()) << "the timer runs again once the box is closed";
}

INSTANTIATE_TEST_SUITE_P(Firmware, AboutBoxTest,
                         ::testing::Values(AboutCase{"1.00", true, false, ""},
                                           AboutCase{"1.10", false, true, "PSK31"},
                                           AboutCase{"1.10", true, true, "PSK63"}),
                         [](const auto& param) {
                             const AboutCase& c = param.param;
                             return "Firmware" + std::string(c.firmware == "1.00" ? "100" : "110") +
                                    (c.psk63Checked ? "Psk63" : "Psk31");
                         });

TEST(TrayMenuCommandsTest, MenuHasTheTwoEntriesAndTheHelpNamesTheFourColours) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    std::vector<std::string> entries;
    for (const QAction* action : h.Form().LedIconPopupMenu->actions())
        entries.push_back(action->text().toStdString());
    EXPECT_EQ(entries, (std::vector<std::string>{"&Color Code Help", "Quorvane &Exit"}));

    const std::size_t before = h.Messages().size();
    h.Form().ColorCode1->trigger();
    ASSERT_EQ(h.Messages().size(), before + 1);
    const MessageRequest& help = h.Messages().back();
    EXPECT_EQ(help.caption, "QUORVANE tray icon color codes");
    EXPECT_EQ(help.type, "i");
    EXPECT_EQ(help.message,
              "White = No signal;Black = Underdriven (weak) signal;Blue  = Clean signal;"
              "Red   = Overmodulated signal (splatter)");
}

}  // namespace
