// The real main window's link to the meter emulator: what the firmware version enables,
// which data command goes out, and replies no meter should send.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <random>
#include <sstream>

#include "meter-sim/MeterScenarios.h"
#include "support/app/MainWindowHarness.h"

namespace {

// ---------------------------------------------------------------- firmware and mode

struct Firmware {
    const char* name;
    const char* version;  // the emulator's; "none": no version in its identification
    bool psk63Stored;     // "Mode" in the settings file
    bool psk63Enabled;
    const char* modeLabel;
    const char* caption;
    char dataCommand;  // what one cycle sends; '\0': none, the meter is asked who it is again
};

void PrintTo(const Firmware& c, std::ostream* out) {
    *out << c.name;
}

class FirmwareTest : public testing::TestWithParam<Firmware> {};

TEST_P(FirmwareTest, VersionAboveOneZeroZeroEnablesPsk63AndTheCheckMarkPicksTheCommand) {
    const Firmware& c = GetParam();
    MainWindowHarness::Options options;
    options.meter.version = c.version;
    options.settings = std::string("[MISC]\r\nMode=") + (c.psk63Stored ? "1" : "0") + "\r\n";
    MainWindowHarness h(options);
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Form().PSK63->isEnabled(), c.psk63Enabled);
    EXPECT_EQ(h.Form().PSK63->isChecked(), c.psk63Stored);  // disabled, but still checked
    EXPECT_EQ(h.Label("Mode"), c.modeLabel);
    EXPECT_EQ(h.Form().windowTitle().toStdString(), c.caption);

    h.Cycle();
    const std::string commands = h.Meter().CommandsReceived();
    EXPECT_EQ(commands.find_first_of("sS") == std::string::npos ? '\0' : commands.back(),
              c.dataCommand)
        << commands;
    EXPECT_EQ(h.Meter().CommandCount('v'), c.dataCommand == '\0' ? 2 : 1) << commands;
}

INSTANTIATE_TEST_SUITE_P(
    Versions, FirmwareTest,
    testing::Values(
        Firmware{"Old", "1.00", false, false, "", "PSK31 RF Monitoring on COM1", 's'},
        Firmware{"New", "1.10", false, true, "PSK31", "PSK31 RF Monitoring on COM1", 's'},
        Firmware{"NewPsk63", "1.10", true, true, "PSK63", "PSK63 RF Monitoring on COM1", 'S'},
        Firmware{"OldButPsk63Stored", "1.00", true, false, "", "PSK31 RF Monitoring on COM1", 'S'},
        Firmware{"Unversioned", "none", false, false, "", "PSK31 RF Monitoring on COM1", '\0'}),
    [](const auto& param) { return std::string(param.param.name); });

// ---------------------------------------------------------------- bad replies

struct BadReply {
    const char* scenario;
    const char* status;
};

void PrintTo(const BadReply& c, std::ostream* out) {
    *out << c.scenario;
}

class BadReplyTest : public testing::TestWithParam<BadReply> {};

TEST_P(BadReplyTest, IsShownSafelyAndTheNextGoodFrameIsMeasured) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    h.Meter().SetScenario(GetParam().scenario);
    h.Cycle();
    EXPECT_EQ(h.Splatter(), GetParam().status);
    h.Meter().SetScenario("clean");
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    EXPECT_TRUE(h.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Scenarios, BadReplyTest,
                         testing::Values(BadReply{"short", "QUORVANE NOT RESPONDING"},
                                         BadReply{"silent", "QUORVANE NOT RESPONDING"},
                                         BadReply{"idtext", "QUORVANE RF Meter Version 1.10"}),
                         [](const auto& param) { return std::string(param.param.scenario); });

// The numbers a text-mode listing shows, row by row after its byte count.
std::string ListedBytes(const QString& memo) {
    std::istringstream lines(memo.toStdString());
    std::string line, bytes;
    std::getline(lines, line);  // "Received bytes: n"
    while (std::getline(lines, line)) {
        std::istringstream row(line);
        int value = 0;
        if (line.find(':') != std::string::npos) break;  // the figures below the listing
        while (row >> value) bytes += static_cast<char>(value);
    }
    return bytes;
}

TEST(OverlongReplyTest, BytesArriveRawAndTheIdentificationDrainStopsAfterFourReads) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    h.Meter().SetScenario("overlong");
    std::mt19937 unused;
    const std::string reply = MeterDataReply(MeterScenario::Overlong, "", unused);

    // Text mode lists the frame as read: no control byte may be eaten or changed on the way.
    h.Form().DataMode1->trigger();
    h.Cycle();
    EXPECT_EQ(ListedBytes(h.Form().Memo1->toPlainText()), reply.substr(0, 64));
    EXPECT_EQ(h.Splatter(), "TEXT MODE");

    // The About box asks the meter who it is. The rest of the reply is blocks of 83 letters,
    // as long as each drain read: four reads take A to D and the answer read gets E's.
    QLabel* firmware = h.Dialogs().AboutForm->FirmwareInfoLabel;
    std::string shown;
    ASSERT_TRUE(h.Operate(h.Form().About1, *h.Dialogs().AboutForm,
                          [&] { shown = firmware->text().toStdString(); }));
    EXPECT_EQ(shown, "Firmware: " + std::string(31, 'E'));
    EXPECT_FALSE(h.Form().PSK63->isEnabled());
    EXPECT_EQ(h.Label("Mode"), "");

    // The graph cycle asks again, drains what is left and measures the next frame.
    h.Form().DataMode1->trigger();
    h.Meter().SetScenario("clean");
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    EXPECT_TRUE(h.Form().PSK63->isEnabled());
    EXPECT_TRUE(h.Messages().empty());
}

TEST(VanishedMeterTest, CyclesReportNoAnswerWithoutHangingAndShutdownStillSaves) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    h.Meter().Kill();  // the line hangs up, as an unplugged adapter does
    h.Cycle(2);
    EXPECT_EQ(h.Splatter(), "QUORVANE NOT RESPONDING");
    EXPECT_EQ(h.Label("rms"), "");
    h.Shutdown();
    EXPECT_EQ(h.Saved("COM PARMS", "Port"), "1");
}

}  // namespace
