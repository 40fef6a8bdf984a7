// What the command dialogs compute from and for their fields, and the lenient number
// conversions they read them with.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <tuple>

#include "dialogs/Commands.h"
#include "dialogs/NumberConversion.h"

namespace {

// Each case sets DecimalChar itself; this puts the program's default back afterwards.
struct DecimalCharGuard {
    explicit DecimalCharGuard(char decimal) { DecimalChar = decimal; }
    ~DecimalCharGuard() { InitNumberConversion(0x0409); }
};

TEST(LenientStrToInt, Converts) {
    // clang-format off
    const std::tuple<const char*, char, int16_t> cases[] = {{" +42", '.', 42},
        {"1,234", '.', 1234}, {"1,234", ',', 1}, {"1.234", ',', 1234}, {"$7", '.', 7},
        {"12 34", '.', 12}, {"COM", '.', 0}, {"99999", '.', 32767}, {"-99999", '.', -32768},
        {"99999999999999999999999", '.', 32767}, {"\t\x01 7", '.', 7}, {" + 3", '.', 3},
        {"++3", '.', 0}, {"-", '.', 0}, {"--5", '.', 0}, {"-12", '.', -12}, {"4x2", '.', 4},
        {"12-3", '.', 12}};
    // clang-format on
    for (const auto& [text, decimal, expected] : cases) {
        DecimalCharGuard guard(decimal);
        EXPECT_EQ(LenientStrToInt(text), expected) << "text '" << text << "' with " << decimal;
    }
}

TEST(LenientStrToFloat, Converts) {
    // clang-format off
    const std::tuple<const char*, char, double> cases[] = {{" +2.5 W", '.', 2.5}, {".5", '.', 0.5},
        {"- .5", '.', -0.5}, {"1,000.25", '.', 1000.25}, {"3.", '.', 3.0}, {"1.5.", '.', 1.5}, {"abc", '.', 0},
        {"2,5", ',', 2.5}, {"1.000,25", ',', 1000.25}, {"2.5", ',', 25}, {"", '.', 0},
        {"$12.5", '.', 12.5}, {"-", '.', 0}, {"--+-7", '.', -7}, {"-,5", ',', -0.5},
        {"5-", '.', 5}, {"-x", '.', 0}};
    // clang-format on
    for (const auto& [text, decimal, expected] : cases) {
        DecimalCharGuard guard(decimal);
        EXPECT_DOUBLE_EQ(LenientStrToFloat(text), expected)
            << "text '" << text << "' with " << decimal;
    }
}

TEST(InitNumberConversion, ChoosesCountryAndSeparatorsByLanguage) {
    // Identifier (primary language in the low 10 bits, sublanguage above), country,
    // decimal and group character.
    // clang-format off
    const std::tuple<uint16_t, int, char, char> cases[] = {{0x0407, 5, ',', '.'},
        {0x0C07, 5, ',', '.'}, {0x0409, 0, '.', ','}, {0x0809, 2, '.', ','},
        {0x0009, 2, '.', ','}, {0x0C0A, 6, ',', '.'}, {0x0C0C, 7, '.', ','},
        {0x040C, 4, ',', '.'}, {0x0410, 3, ',', '.'}, {0x0419, 8, '.', ' '},
        {0x0411, 0, '.', ','}};
    // clang-format on
    for (const auto& [langId, country, decimal, group] : cases) {
        DecimalCharGuard guard('.');
        InitNumberConversion(langId);
        EXPECT_EQ(std::tuple(NumberCountry, DecimalChar, GroupChar),
                  std::tuple(country, decimal, group))
            << langId;
    }
}

TEST(PortAndRateCommands, TextsConvertBackAndUnknownTextsFallBack) {
    // The number after "COM", up to 255.
    // clang-format off
    for (const auto& [text, port] : {std::pair{"COM12", 12}, {"COM123", 123}, {"COM255", 255},
             {"COM256", 0}, {"COM1234", 0}, {"COM7  FTDI", 7}, {"COM", 0}, {"", 0}, {"COMx5", 0}})
        // clang-format on
        EXPECT_EQ(ComPortFromText(text), port) << text;

    for (int interval : RefreshRateIntervals)
        EXPECT_EQ(RefreshIntervalFromText(RefreshRateText(interval)), interval);
    EXPECT_EQ(RefreshRateText(250), "");
    // Case does not matter, but the whole text must match; anything else is one second.
    const std::pair<const char*, int> rates[] = {
        {"", 1000}, {"every 0.5 SECONDS", 500}, {"Every 2 seconds ", 1000}, {"Every 0.5", 1000}};
    for (const auto& [text, interval] : rates)
        EXPECT_EQ(RefreshIntervalFromText(text), interval) << text;
}

TEST(GainCommand, FieldTextMatchesPrintfAndEnteredGainIsClampedInclusively) {
    for (double value : {5.0, 0.05, 0.25, 2.45, 9.95}) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%4.1f", value);
        EXPECT_EQ(EditFieldText(value, '.'), expected) << value;
    }
    const std::pair<const char*, double> gains[] = {{" 0.0", 0.1}, {"99.9", 10.0}, {" 2.5", 2.5},
                                                    {" 0.1", 0.1}, {"10.0", 10.0}, {"  . ", 0.1}};
    for (const auto& [text, gain] : gains) EXPECT_DOUBLE_EQ(GainFromText(text, '.'), gain) << text;
}

TEST(TargetImdAndNoiseCommands, NearestEntryOnOpeningAndTheNamedOneOnClosing) {
    const std::pair<int, const char*> imds[] = {
        {-22, "-22db"}, {-25, "-24db"},     {-10, "-20db"},    {-40, "-30db"},
        {-21, "-20db"}, {INT_MIN, "-30db"}, {INT_MAX, "-20db"}};
    for (const auto& [stored, shown] : imds)
        EXPECT_EQ(TargetImdEntries.at(TargetImdIndex(stored)), shown) << stored;
    EXPECT_EQ(TargetImdFromText("", -22), -22);

    // Noise entries are steps of 20 mV.
    EXPECT_EQ(NoiseText(10), "200");
    EXPECT_EQ(NoiseText(-1) + NoiseText(11), "");
    EXPECT_EQ(NoiseFloorFromText("0", 10), 0);
}

TEST(PowerLimitCommand, MoreWattsGiveMoreVoltsCappedAtTheConverterWithANote) {
    const PowerLimitOutcome five = PowerLimitFromText(" 5.0", true, '.');
    EXPECT_NEAR(five.MaxVolts, 2.953, 1e-9);
    EXPECT_EQ(std::pair(five.MaxWatts, five.ExceedsRange), std::pair(5.0, false));
    for (const char* text : {"0.5", "", "abc", "-7"}) {  // one watt at least
        EXPECT_DOUBLE_EQ(PowerLimitFromText(text, true, '.').MaxWatts, 1.0) << text;
        EXPECT_NEAR(PowerLimitFromText(text, true, '.').MaxVolts, 1.4286, 1e-9) << text;
    }
    // Each jumper's cap itself still fits; beyond it the volts stop at 5.
    for (const auto& [qrp, cap] : {std::pair{true, 13.3}, {false, 168.0}}) {
        EXPECT_FALSE(ComputePowerLimit(MaxWattsInRange(qrp), qrp).ExceedsRange);
        const PowerLimitOutcome over = ComputePowerLimit(cap * 1.5, qrp);
        EXPECT_EQ(std::tuple(over.ExceedsRange, over.MaxVolts, over.MaxWatts),
                  std::tuple(true, 5.0, cap));
    }
    // The note's figure: five places, one decimal, the separator given.
    EXPECT_NE(PowerExceedsText(13.3, '.').find("; 13.3 watts"), std::string::npos);
    EXPECT_NE(PowerExceedsText(168.0, ',').find(";168,0 watts"), std::string::npos);

    for (const bool qrp : {true, false}) {
        double previous = 0;
        for (double watts = kMinLimitWatts; watts <= MaxWattsInRange(qrp); watts += 0.01) {
            const double volts = WattsToVolts(watts, qrp);
            ASSERT_GE(volts, previous) << watts << (qrp ? " W QRP" : " W QRO");
            previous = volts;
        }
    }
    // Held at the peak of the dip.
    EXPECT_NEAR(WattsToVolts(8.0, true), WattsToVolts(5.476, true), 1e-6);
}

TEST(AboutBox, WindowsReleaseNames) {
    EXPECT_EQ(AboutOsText(WindowsOsName(5, 1, 2)), "Operating System: Windows XP");
    // clang-format off
    for (const auto& [major, minor, platform, build, name] : {std::tuple{4, 0, 0, 0, "Unknown OS"},
             {10, 0, 2, 21999, "Windows 10"}, {10, 0, 2, 22000, "Windows 11"}, {10, 1, 2, 22000, "Unknown OS"}})
        // clang-format on
        EXPECT_EQ(WindowsOsName(major, minor, platform, build), name) << build;
}

}  // namespace
