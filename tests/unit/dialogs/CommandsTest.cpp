#include "dialogs/Commands.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

TEST(ComPortCommand, ReadsOnlyTheTwoCharactersAfterCom) {
    for (const auto& [text, port] :
         {std::pair{"COM12", 12}, {"COM123", 12}, {"COM", 0}, {"", 0}, {"COMx5", 0}})
        EXPECT_EQ(ComPortFromText(text), port) << text;
    EXPECT_EQ(ComPortFromText(ComPortText(7)), 7);
}

TEST(ComPortCommand, NotesFollowTheWindowsFamilyAndNameTheMaker) {
    EXPECT_TRUE(IsNtFamily(0x0A280105u));
    EXPECT_FALSE(IsNtFamily(0x80000004u));
    const std::string ending = " " + std::string(kMakerWebAddress) + ".";
    for (bool nt : {true, false}) {
        const std::string note = PortFormTexts(nt).Label2;
        ASSERT_GT(note.size(), ending.size());
        EXPECT_EQ(note.substr(note.size() - ending.size()), ending);
    }
}

TEST(RefreshRateCommand, OfferedIntervalsRoundTripAndAnythingElseIsOneSecond) {
    for (int interval : RefreshRateIntervals)
        EXPECT_EQ(RefreshIntervalFromText(RefreshRateText(interval)), interval);
    EXPECT_EQ(RefreshRateText(250), "");
    // Case does not matter, but the whole text must match.
    const std::pair<const char*, int> cases[] = {
        {"", 1000}, {"every 0.5 SECONDS", 500}, {"Every 2 seconds ", 1000}, {"Every 0.5", 1000}};
    for (const auto& [text, interval] : cases) EXPECT_EQ(RefreshIntervalFromText(text), interval);
}

TEST(GainCommand, FieldTextMatchesPrintfWithTheLocaleSeparator) {
    for (double value : {5.0, 10.0, 0.05, 0.25, 2.45, 9.95}) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%4.1f", value);
        EXPECT_EQ(EditFieldText(value, '.'), expected) << value;
    }
    EXPECT_EQ(EditFieldText(0.1, ','), " 0,1");
}

TEST(GainCommand, EnteredGainIsClampedInclusively) {
    const std::pair<const char*, double> cases[] = {{" 0.0", 0.1}, {"99.9", 10.0}, {" 2.5", 2.5},
                                                    {" 0.1", 0.1}, {"10.0", 10.0}, {"  . ", 0.1}};
    for (const auto& [text, gain] : cases) EXPECT_DOUBLE_EQ(GainFromText(text, '.'), gain) << text;
}

TEST(TargetImdCommand, OpeningPreselectsTheNearestEntry) {
    const std::pair<int, const char*> cases[] = {
        {-22, "-22db"}, {-25, "-24db"},     {-10, "-20db"},    {-40, "-30db"},
        {-21, "-20db"}, {INT_MIN, "-30db"}, {INT_MAX, "-20db"}};
    for (const auto& [stored, shown] : cases)
        EXPECT_EQ(TargetImdEntries.at(TargetImdIndex(stored)), shown) << stored;
}

TEST(TargetImdCommand, ClosingAppliesTheEntryTheTextNamesOrKeepsTheTarget) {
    EXPECT_EQ(TargetImdFromText(TargetImdEntries[TargetImdIndex(-25)], -25), -24);
    EXPECT_EQ(TargetImdFromText("-26DB", -22), -26);
    EXPECT_EQ(TargetImdFromText("", -22), -22);
    EXPECT_EQ(TargetImdFromText("-18db", -28), -28);
    for (int i = 0; i < static_cast<int>(TargetImdEntries.size()); ++i)
        EXPECT_EQ(TargetImdIndex(TargetImdForIndex(i)), i);
}

TEST(NoiseCommand, EntriesAreStepsOfTwentyMillivoltsAndUnknownsKeepTheFloor) {
    EXPECT_EQ(NoiseText(10), "200");
    EXPECT_EQ(NoiseFloorFromText("60", 10), 3);
    EXPECT_EQ(NoiseFloorFromText("0", 10), 0);
    EXPECT_EQ(NoiseFloorFromText("61", 4), 4);
    EXPECT_EQ(NoiseText(-1), "");
    EXPECT_EQ(NoiseText(11), "");
    EXPECT_EQ(NoiseFloorFromText(NoiseText(25), 25), 25);
}

TEST(PowerLimitCommand, WattsWithinRangeGiveTheirVolts) {
    const PowerLimitOutcome five = PowerLimitFromText(" 5.0", true, '.');
    EXPECT_NEAR(five.MaxVolts, 2.953, 1e-9);
    EXPECT_DOUBLE_EQ(five.MaxWatts, 5.0);
    EXPECT_FALSE(five.ExceedsRange);
    // Each jumper's cap itself still fits the converter.
    EXPECT_FALSE(ComputePowerLimit(MaxWattsInRange(true), true).ExceedsRange);
    EXPECT_FALSE(ComputePowerLimit(MaxWattsInRange(false), false).ExceedsRange);
    for (const char* text : {"0.5", "", "abc", "-7"}) {
        EXPECT_DOUBLE_EQ(PowerLimitFromText(text, true, '.').MaxWatts, 1.0) << text;
        EXPECT_NEAR(PowerLimitFromText(text, true, '.').MaxVolts, 1.4286, 1e-9) << text;
    }
}

TEST(PowerLimitCommand, MoreWattsNeverGiveALowerLimit) {
    for (const bool qrp : {true, false}) {
        double previous = 0;
        for (double watts = kMinLimitWatts; watts <= MaxWattsInRange(qrp); watts += 0.01) {
            const double volts = WattsToVolts(watts, qrp);
            ASSERT_GE(volts, previous) << watts << (qrp ? " W QRP" : " W QRO");
            previous = volts;
        }
    }
    // Held at the peak of the dip, then the fitted curve again once it climbs past it.
    EXPECT_NEAR(WattsToVolts(8.0, true), WattsToVolts(5.476, true), 1e-6);
    EXPECT_NEAR(WattsToVolts(12.0, true), 0.0089 * 1728 - 0.1829 * 144 + 1.2026 * 12 + 0.4, 1e-9);
}

TEST(PowerLimitCommand, WattsBeyondTheConverterAreCappedWithANote) {
    const PowerLimitOutcome qrp = ComputePowerLimit(20.0, true);
    EXPECT_TRUE(qrp.ExceedsRange);
    EXPECT_DOUBLE_EQ(qrp.MaxVolts, 5.0);
    EXPECT_DOUBLE_EQ(qrp.MaxWatts, 13.3);
    const PowerLimitOutcome qro = ComputePowerLimit(200.0, false);
    EXPECT_TRUE(qro.ExceedsRange);
    EXPECT_DOUBLE_EQ(qro.MaxVolts, 5.0);
    EXPECT_DOUBLE_EQ(qro.MaxWatts, 168.0);

    EXPECT_EQ(PowerExceedsText(13.3, '.'),
              "The power you specified exceeds the range of the ADC.;The maximum power "
              "consistent with the QRP/QRO jumper setting you specified and ADC range,; 13.3 "
              "watts, will be used instead.");
    EXPECT_NE(PowerExceedsText(168.0, ',').find(";168,0 watts"), std::string::npos);
}

TEST(AboutBox, WindowsReleaseNames) {
    EXPECT_EQ(AboutOsText(WindowsOsName(5, 1, 2)), "Operating System: Windows XP");
    EXPECT_EQ(WindowsOsName(4, 0, 1), "Windows 95");
    EXPECT_EQ(WindowsOsName(4, 0, 2), "Windows NT");
    EXPECT_EQ(WindowsOsName(4, 0, 0), "Unknown OS");

    EXPECT_EQ(WindowsOsName(6, 1, 2), "Windows 7");
    EXPECT_EQ(WindowsOsName(6, 2, 2), "Unknown OS");
}
