#include "dialogs/Commands.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

TEST(ComPortCommand, ReadsOnlyTheTwoCharactersAfterCom) {
    EXPECT_EQ(ComPortFromText("COM12"), 12);
    EXPECT_EQ(ComPortFromText("COM123"), 12);
    EXPECT_EQ(ComPortFromText("COM7"), 7);
    EXPECT_EQ(ComPortFromText("COM"), 0);
    EXPECT_EQ(ComPortFromText("CO"), 0);
    EXPECT_EQ(ComPortFromText(""), 0);
    EXPECT_EQ(ComPortFromText("COMx5"), 0);
    EXPECT_EQ(ComPortFromText(ComPortText(16)), 16);
}

TEST(ComPortCommand, HelpTextsFollowTheWindowsFamily) {
    EXPECT_TRUE(IsNtFamily(0x0A280105u));
    EXPECT_FALSE(IsNtFamily(0x80000004u));

    const PortHelpTexts nt = PortFormTexts(true);
    const PortHelpTexts other = PortFormTexts(false);
    EXPECT_NE(nt.Label1, other.Label1);
    EXPECT_NE(nt.Label1.find("special serial cable"), std::string::npos);
    EXPECT_NE(other.Label1.find("COM Port1"), std::string::npos);
    const std::string ending = std::string(MakerWebAddress) + ".";
    for (const std::string& note : {nt.Label2, other.Label2}) {
        ASSERT_GT(note.size(), ending.size());
        EXPECT_EQ(note.substr(note.size() - ending.size()), ending);
        EXPECT_EQ(note.rfind("NOTE: ", 0), 0u);
    }
    EXPECT_EQ(CouldNotOpenText("COM7"), "Could not open COM7");
}

TEST(RefreshRateCommand, OfferedIntervalsRoundTrip) {
    for (int interval : RefreshRateIntervals) {
        const std::string text = RefreshRateText(interval);
        EXPECT_FALSE(text.empty()) << interval;
        EXPECT_EQ(RefreshIntervalFromText(text), interval);
    }
    EXPECT_EQ(RefreshRateText(500), "Every 0.5 seconds");
    EXPECT_EQ(RefreshRateText(2000), "Every 2 seconds");
}

TEST(RefreshRateCommand, OtherIntervalsAndTextsFallBackToOneSecond) {
    EXPECT_EQ(RefreshRateText(250), "");
    EXPECT_EQ(RefreshIntervalFromText(RefreshRateText(250)), 1000);
    EXPECT_EQ(RefreshIntervalFromText("EVERY 2 SECONDS"), 2000);
    EXPECT_EQ(RefreshIntervalFromText("every 0.5 Seconds"), 500);
    // The whole text must match: neither a prefix nor a trailing blank will do.
    EXPECT_EQ(RefreshIntervalFromText("Every 2 seconds "), 1000);
    EXPECT_EQ(RefreshIntervalFromText("Every 0.5"), 1000);
    EXPECT_EQ(RefreshIntervalFromText("fast"), 1000);
}

TEST(GainCommand, ShowsFourCharactersWithTheLocaleSeparator) {
    EXPECT_EQ(EditFieldText(5.0, '.'), " 5.0");
    EXPECT_EQ(EditFieldText(10.0, '.'), "10.0");
    EXPECT_EQ(EditFieldText(0.1, ','), " 0,1");
    // Same rounding as the C library's "%4.1f".
    for (double gain : {0.05, 0.25, 0.35, 2.45, 9.95, 7.0}) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%4.1f", gain);
        EXPECT_EQ(EditFieldText(gain, '.'), expected) << gain;
    }
}

TEST(GainCommand, EnteredGainIsClampedInclusively) {
    EXPECT_DOUBLE_EQ(GainFromText(" 0.0"), 0.1);
    EXPECT_DOUBLE_EQ(GainFromText("99.9"), 10.0);
    EXPECT_DOUBLE_EQ(GainFromText(" 2.5"), 2.5);
    EXPECT_DOUBLE_EQ(GainFromText(" 0.1"), 0.1);
    EXPECT_DOUBLE_EQ(GainFromText("10.0"), 10.0);
    EXPECT_DOUBLE_EQ(GainFromText(" 1.0"), 1.0);
    EXPECT_DOUBLE_EQ(GainFromText(""), 0.1);
    EXPECT_DOUBLE_EQ(GainFromText("  . "), 0.1);
    EXPECT_DOUBLE_EQ(ClampGain(-3.0), 0.1);
}

struct ImdCase {
    int stored;
    const char* shown;
};
class TargetImdOpening : public testing::TestWithParam<ImdCase> {};

TEST_P(TargetImdOpening, PreselectsTheNearestEntry) {
    const int index = TargetImdIndex(GetParam().stored);
    ASSERT_GE(index, 0);
    ASSERT_LT(index, static_cast<int>(TargetImdEntries.size()));
    EXPECT_EQ(TargetImdEntries[index], GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(StoredTargets, TargetImdOpening,
                         testing::Values(ImdCase{-22, "-22db"}, ImdCase{-25, "-24db"},
                                         ImdCase{-10, "-20db"}, ImdCase{-40, "-30db"},
                                         ImdCase{-20, "-20db"}, ImdCase{-21, "-20db"},
                                         ImdCase{-19, "-20db"}, ImdCase{-30, "-30db"},
                                         ImdCase{-31, "-30db"}, ImdCase{INT_MIN, "-30db"},
                                         ImdCase{INT_MAX, "-20db"}));

TEST(TargetImdCommand, ClosingAppliesTheEntryTheTextNames) {
    // An odd stored target closed unchanged becomes the entry it was shown as.
    const int shown = TargetImdIndex(-25);
    EXPECT_EQ(TargetImdFromText(TargetImdEntries[shown], -25), -24);
    EXPECT_EQ(TargetImdFromText("-30db", -22), -30);
    EXPECT_EQ(TargetImdFromText("-26DB", -22), -26);
    // No entry named: the target stays.
    EXPECT_EQ(TargetImdFromText("", -22), -22);
    EXPECT_EQ(TargetImdFromText("-18db", -28), -28);
    EXPECT_EQ(TargetImdFromText("-24", -22), -22);
    for (int i = 0; i < static_cast<int>(TargetImdEntries.size()); ++i)
        EXPECT_EQ(TargetImdIndex(TargetImdForIndex(i)), i);
}

TEST(NoiseCommand, EntriesAreStepsOfTwentyMillivolts) {
    EXPECT_EQ(NoiseText(10), "200");
    EXPECT_EQ(NoiseText(0), "0");
    EXPECT_EQ(NoiseFloorFromText("60", 10), 3);
    EXPECT_EQ(NoiseFloorFromText("0", 10), 0);
    EXPECT_EQ(NoiseFloorFromText(NoiseText(10), 4), 10);
}

TEST(NoiseCommand, TextOrStoredValueNamingNoEntryKeepsTheFloor) {
    EXPECT_EQ(NoiseText(-1), "");
    EXPECT_EQ(NoiseText(11), "");
    EXPECT_EQ(NoiseFloorFromText("61", 4), 4);
    EXPECT_EQ(NoiseFloorFromText(" 60", 4), 4);
    // Opened on an out-of-range floor and closed unchanged.
    EXPECT_EQ(NoiseFloorFromText(NoiseText(25), 25), 25);
}

TEST(PowerLimitCommand, QrpLimitWithinRange) {
    const PowerLimitOutcome five = ComputePowerLimit(5.0, true);
    EXPECT_NEAR(five.MaxVolts, 2.953, 1e-9);
    EXPECT_DOUBLE_EQ(five.MaxWatts, 5.0);
    EXPECT_FALSE(five.ExceedsRange);
    // The cap itself still fits the converter.
    const PowerLimitOutcome cap = ComputePowerLimit(13.3, true);
    EXPECT_FALSE(cap.ExceedsRange);
    EXPECT_LT(cap.MaxVolts, 5.0);
    EXPECT_FALSE(ComputePowerLimit(168.0, false).ExceedsRange);
}

TEST(PowerLimitCommand, LimitsBeyondTheConverterAreCapped) {
    const PowerLimitOutcome qrp = ComputePowerLimit(20.0, true);
    EXPECT_TRUE(qrp.ExceedsRange);
    EXPECT_DOUBLE_EQ(qrp.MaxVolts, 5.0);
    EXPECT_DOUBLE_EQ(qrp.MaxWatts, 13.3);
    EXPECT_GT(WattsToVolts(20.0, true), 5.0);

    const PowerLimitOutcome qro = ComputePowerLimit(200.0, false);
    EXPECT_TRUE(qro.ExceedsRange);
    EXPECT_DOUBLE_EQ(qro.MaxVolts, 5.0);
    EXPECT_DOUBLE_EQ(qro.MaxWatts, 168.0);
}

TEST(PowerLimitCommand, TinyOrUnreadableWattsBecomeOneWatt) {
    for (const char* text : {"0.5", "", "abc", "-7"}) {
        const PowerLimitOutcome outcome = PowerLimitFromText(text, true);
        EXPECT_DOUBLE_EQ(outcome.MaxWatts, 1.0) << text;
        EXPECT_NEAR(outcome.MaxVolts, 0.0089 - 0.1829 + 1.2026 + 0.4, 1e-12) << text;
    }
    EXPECT_NEAR(PowerLimitFromText(" 5.0", true).MaxVolts, 2.953, 1e-9);
    EXPECT_NEAR(PowerLimitFromText("100", false).MaxVolts,
                4.19e-06 * 1e6 - 0.00107 * 1e4 + 0.08985 * 100 + 0.197, 1e-9);
}

TEST(PowerLimitCommand, NoteNamesTheCappedWattsOnItsThirdLine) {
    EXPECT_EQ(PowerExceedsText(13.3, '.'),
              "The power you specified exceeds the range of the ADC.;The maximum power "
              "consistent with the QRP/QRO jumper setting you specified and ADC range,; 13.3 "
              "watts, will be used instead.");
    const std::string qro = PowerExceedsText(168.0, ',');
    EXPECT_NE(qro.find(";168,0 watts, will be used instead."), std::string::npos);
}

TEST(SoundCardCommand, OneCardNoteAndSelection) {
    EXPECT_EQ(OneSoundCardText("Onboard Audio"),
              "Your computer has only one sound card:;;Onboard Audio;;which is the device "
              "quorvane is using to control audio to your rig.");
    EXPECT_EQ(SoundCardFromSelection(-1), 0);
    EXPECT_EQ(SoundCardFromSelection(2), 2);
}

TEST(AboutBox, Texts) {
    EXPECT_EQ(AboutOsText(WindowsOsName(5, 1, 2)), "Operating System: Windows XP");
    EXPECT_EQ(AboutOsText(WindowsOsName(10, 0, 2)), "Operating System: Unknown OS");
    EXPECT_EQ(AboutVersionText(""), "Quorvane Version ");
    EXPECT_EQ(AboutVersionText("1.0.0.0"), "Quorvane Version 1.0.0.0");
    EXPECT_EQ(AboutFirmwareText("QUORVANE firmware not detected"),
              "Firmware: QUORVANE firmware not detected");
    EXPECT_EQ(AboutWebText(), "go to " + std::string(MakerWebAddress));
}

TEST(AboutBox, WindowsReleaseNames) {
    EXPECT_EQ(WindowsOsName(4, 0, 1), "Windows 95");
    EXPECT_EQ(WindowsOsName(4, 0, 2), "Windows NT");
    EXPECT_EQ(WindowsOsName(4, 0, 0), "Unknown OS");
    EXPECT_EQ(WindowsOsName(4, 10, 1), "Windows 98");
    EXPECT_EQ(WindowsOsName(4, 90, 1), "Windows ME");
    EXPECT_EQ(WindowsOsName(5, 0, 2), "Windows 2000");
    EXPECT_EQ(WindowsOsName(5, 2, 2), "Windows Server 2003");
    EXPECT_EQ(WindowsOsName(6, 0, 2), "Windows Vista");
    EXPECT_EQ(WindowsOsName(6, 1, 2), "Windows 7");
    EXPECT_EQ(WindowsOsName(6, 2, 2), "Unknown OS");
}
