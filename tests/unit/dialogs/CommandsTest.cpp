#include "dialogs/Commands.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <tuple>

TEST(PortAndRateCommands, TextsConvertBackAndUnknownTextsFallBack) {
    // Only the two characters after "COM" count.
    for (const auto& [text, port] :
         {std::pair{"COM12", 12}, {"COM123", 12}, {"COM", 0}, {"", 0}, {"COMx5", 0}})
        EXPECT_EQ(ComPortFromText(text), port) << text;
    EXPECT_EQ(ComPortFromText(ComPortText(7)), 7);
    // The note follows the Windows family.
    EXPECT_TRUE(IsNtFamily(0x0A280105u));
    EXPECT_FALSE(IsNtFamily(0x80000004u));

    for (int interval : RefreshRateIntervals)
        EXPECT_EQ(RefreshIntervalFromText(RefreshRateText(interval)), interval);
    EXPECT_EQ(RefreshRateText(250), "");
    // Case does not matter, but the whole text must match; anything else is one second.
    for (const auto& [text, interval] : {std::pair{"", 1000},
                                         {"every 0.5 SECONDS", 500},
                                         {"Every 2 seconds ", 1000},
                                         {"Every 0.5", 1000}})
        EXPECT_EQ(RefreshIntervalFromText(text), interval) << text;
}

TEST(GainCommand, FieldTextMatchesPrintfAndEnteredGainIsClampedInclusively) {
    for (double value : {5.0, 0.05, 0.25, 2.45, 9.95}) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%4.1f", value);
        EXPECT_EQ(EditFieldText(value, '.'), expected) << value;
    }
    EXPECT_EQ(EditFieldText(0.1, ','), " 0,1");
    for (const auto& [text, gain] : {std::pair{" 0.0", 0.1},
                                     {"99.9", 10.0},
                                     {" 2.5", 2.5},
                                     {" 0.1", 0.1},
                                     {"10.0", 10.0},
                                     {"  . ", 0.1}})
        EXPECT_DOUBLE_EQ(GainFromText(text, '.'), gain) << text;
}

TEST(TargetImdAndNoiseCommands, NearestEntryOnOpeningAndTheNamedOneOnClosing) {
    for (const auto& [stored, shown] : {std::pair{-22, "-22db"},
                                        {-25, "-24db"},
                                        {-10, "-20db"},
                                        {-40, "-30db"},
                                        {-21, "-20db"},
                                        {INT_MIN, "-30db"},
                                        {INT_MAX, "-20db"}})
        EXPECT_EQ(TargetImdEntries.at(TargetImdIndex(stored)), shown) << stored;
    EXPECT_EQ(TargetImdFromText("-26DB", -22), -26);
    EXPECT_EQ(TargetImdFromText("", -22), -22);
    EXPECT_EQ(TargetImdFromText("-18db", -28), -28);
    for (int i = 0; i < static_cast<int>(TargetImdEntries.size()); ++i)
        EXPECT_EQ(TargetImdIndex(TargetImdForIndex(i)), i);

    // Noise entries are steps of 20 mV; unknown ones keep the floor.
    EXPECT_EQ(NoiseText(10), "200");
    EXPECT_EQ(NoiseText(-1) + NoiseText(11), "");
    EXPECT_EQ(NoiseFloorFromText("60", 10), 3);
    EXPECT_EQ(NoiseFloorFromText("0", 10), 0);
    EXPECT_EQ(NoiseFloorFromText("61", 4), 4);
}

TEST(PowerLimitCommand, WattsGiveTheirVoltsAndAreCappedAtTheConverterWithANote) {
    const PowerLimitOutcome five = PowerLimitFromText(" 5.0", true, '.');
    EXPECT_NEAR(five.MaxVolts, 2.953, 1e-9);
    EXPECT_DOUBLE_EQ(five.MaxWatts, 5.0);
    EXPECT_FALSE(five.ExceedsRange);
    for (const char* text : {"0.5", "", "abc", "-7"}) {
        EXPECT_DOUBLE_EQ(PowerLimitFromText(text, true, '.').MaxWatts, 1.0) << text;
        EXPECT_NEAR(PowerLimitFromText(text, true, '.').MaxVolts, 1.4286, 1e-9) << text;
    }
    // Each jumper's cap itself still fits; beyond it the volts stop at 5.
    for (const auto& [qrp, cap] : {std::pair{true, 13.3}, {false, 168.0}}) {
        EXPECT_FALSE(ComputePowerLimit(MaxWattsInRange(qrp), qrp).ExceedsRange);
        const PowerLimitOutcome over = ComputePowerLimit(cap * 1.5, qrp);
        EXPECT_TRUE(over.ExceedsRange);
        EXPECT_DOUBLE_EQ(over.MaxVolts, 5.0);
        EXPECT_DOUBLE_EQ(over.MaxWatts, cap);
    }
    EXPECT_EQ(PowerExceedsText(13.3, '.'),
              "The power you specified exceeds the range of the ADC.;The maximum power "
              "consistent with the QRP/QRO jumper setting you specified and ADC range,; 13.3 "
              "watts, will be used instead.");
    EXPECT_NE(PowerExceedsText(168.0, ',').find(";168,0 watts"), std::string::npos);
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

TEST(AboutBox, WindowsReleaseNames) {
    EXPECT_EQ(AboutOsText(WindowsOsName(5, 1, 2)), "Operating System: Windows XP");
    for (const auto& [major, minor, platform, name] : {std::tuple{4, 0, 1, "Windows 95"},
                                                       {4, 0, 2, "Windows NT"},
                                                       {4, 0, 0, "Unknown OS"},
                                                       {6, 1, 2, "Windows 7"},
                                                       {6, 2, 2, "Unknown OS"}})
        EXPECT_EQ(WindowsOsName(major, minor, platform), name);
}
