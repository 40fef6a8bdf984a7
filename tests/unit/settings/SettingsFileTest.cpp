#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <optional>
#include <tuple>

#include "fakes/FakeProfileFile.h"

namespace {

TEST(SettingsFile, ReadsIntegersOrTheDefault) {
    struct Case {
        const char* text;
        std::optional<int> value;  // nothing: does not convert, the default comes back
    };
    // clang-format off
    const Case cases[] = {{"12", 12}, {" 12 ", 12}, {"+7", 7}, {"-5", -5}, {"007", 7},
        {"0x1F", 31}, {"0X1f", 31}, {"$ff", 255}, {"-$10", -16}, {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN}, {"2147483648", {}}, {"99999999999", {}}, {"0xFFFFFFFF", {}},
        {"123456789012345678901234567890", {}}, {"12abc", {}}, {"", {}}, {"1 2", {}},
        {"1.5", {}}, {"--5", {}}, {"+-5", {}}, {"0x", {}}, {"$", {}}, {"0x-5", {}},
        {"0xG", {}}, {"true", {}}};
    // clang-format on
    for (const Case& c : cases) {
        FakeProfileFile profile;
        profile.Set("MISC", "Value", c.text);
        EXPECT_EQ(SettingsFile(profile).ReadInteger("MISC", "Value", 42), c.value.value_or(42))
            << '"' << c.text << '"';
    }
}

TEST(SettingsFile, ReadsDecimalsWithTheLocaleSeparatorOrTheDefault) {
    struct Case {
        const char* text;
        char separator;
        std::optional<double> value;
    };
    // clang-format off
    const Case cases[] = {{"5", '.', 5.0}, {" 7.25 ", '.', 7.25}, {"-0.5", '.', -0.5},
        {".5", '.', 0.5}, {"3.", '.', 3.0}, {"2.5E-1", '.', 0.25}, {"-22,75", ',', -22.75},
        {"2,5e+1", ',', 25.0},
        // Under ',' a '.' is a decimal point too; under '.' a ',' is not.
        {"2.5", ',', 2.5}, {"2,5", '.', {}}, {"1.234,5", ',', {}}, {"1,2,3", ',', {}},
        {"nan", '.', {}}, {"-inf", '.', {}}, {"infinity", '.', {}}, {"1e999", '.', {}},
        {"0x10", '.', {}}, {"", '.', {}}, {".", '.', {}}, {"e5", '.', {}}, {"1e+", '.', {}},
        {"5 V", '.', {}}};
    // clang-format on
    for (const Case& c : cases) {
        FakeProfileFile profile;
        profile.Set("MISC", "Gain", c.text);
        EXPECT_DOUBLE_EQ(SettingsFile(profile, c.separator).ReadFloat("MISC", "Gain", -7.5),
                         c.value.value_or(-7.5))
            << '"' << c.text << "\" with '" << c.separator << "'";
    }
}

TEST(SettingsFile, ReadsBooleansAsIntegers) {
    FakeProfileFile profile;
    for (const char* key : {"1", "0", "-1", "0x0", "yes"}) profile.Set("MISC", key, key);
    const SettingsFile file(profile);
    // Each key holds its own name; what does not convert gives the default.
    const std::tuple<const char*, bool, bool> cases[] = {
        {"1", false, true},  {"0", true, false},    {"-1", false, true},    {"0x0", true, false},
        {"yes", true, true}, {"yes", false, false}, {"missing", true, true}};
    for (const auto& [key, byDefault, expected] : cases)
        EXPECT_EQ(file.ReadBool("MISC", key, byDefault), expected) << key << ' ' << byDefault;
}

TEST(SettingsFile, WritesDecimalsInShortestFormUpTo15Digits) {
    EXPECT_EQ(FormatSettingFloat(5.0, '.'), "5");
    EXPECT_EQ(FormatSettingFloat(0.1, '.'), "0.1");
    EXPECT_EQ(FormatSettingFloat(2.95312345678912345, '.'), "2.95312345678912");
    EXPECT_EQ(FormatSettingFloat(-22.5, ','), "-22,5");
    EXPECT_EQ(FormatSettingFloat(1.5e-7, ','), "1,5e-07");
    for (const char separator : {'.', ','}) {
        for (const double value : {0.1, -3.75, 123.456, 1e-5, 2.95312345678912, 1e300, DBL_MAX,
                                   -DBL_MAX, DBL_TRUE_MIN}) {
            FakeProfileFile profile;
            SettingsFile file(profile, separator);
            ASSERT_TRUE(file.WriteFloat("MISC", "Gain", value));
            EXPECT_EQ(file.ReadFloat("MISC", "Gain", 0.0), value) << value << separator;
        }
    }
}

}  // namespace
