#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <optional>
#include <tuple>

#include "fakes/FakeProfileFile.h"

namespace {

// What the file reads from a key holding `text`: each with a default of its own.
struct Reading {
    Reading(const char* text, char separator = '.') : file(profile, separator) {
        profile.Write("MISC", "Key", text);
    }
    int Integer() const { return file.ReadInteger("MISC", "Key", -7); }
    bool Bool(bool byDefault) const { return file.ReadBool("MISC", "Key", byDefault); }
    double Float() const { return file.ReadFloat("MISC", "Key", -7.5); }
    FakeProfileFile profile;
    SettingsFile file;
};

TEST(SettingsFile, ReadsIntegersAndBooleansOrTheDefault) {
    // Nothing: does not convert, the default comes back.
    // clang-format off
    const std::pair<const char*, std::optional<int>> cases[] = {{" 12 ", 12}, {"+7", 7},
        {"-5", -5}, {"007", 7}, {"0X1f", 31}, {"$ff", 255}, {"-$10", -16},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"2147483648", {}},
        {"0xFFFFFFFF", {}}, {"12abc", {}}, {"", {}}, {"1 2", {}}, {"1.5", {}}, {"--5", {}},
        {"0x", {}}, {"$", {}}, {"0x-5", {}}, {"0xG", {}}, {"true", {}}};
    // clang-format on
    for (const auto& [text, value] : cases)
        EXPECT_EQ(Reading(text).Integer(), value.value_or(-7)) << '"' << text << '"';
    int parsed = 0;  // a quoted value keeps its blanks up to the parser
    EXPECT_TRUE(ParseSettingInteger(" \t12 \r", parsed));
    EXPECT_EQ(parsed, 12);
    for (const auto& [text, byDefault, expected] : {std::tuple{"0", true, false},
                                                    {"-1", false, true},
                                                    {"0x0", true, false},
                                                    {"yes", true, true},
                                                    {"yes", false, false}})
        EXPECT_EQ(Reading(text).Bool(byDefault), expected) << text;
}

TEST(SettingsFile, ReadsDecimalsWithTheLocaleSeparatorOrTheDefault) {
    // clang-format off
    const std::tuple<const char*, char, std::optional<double>> cases[] = {{" 7.25 ", '.', 7.25},
        {"-0.5", '.', -0.5}, {".5", '.', 0.5}, {"3.", '.', 3.0}, {"2.5E-1", '.', 0.25},
        {"2,5e+1", ',', 25.0},
        // Under ',' a '.' is a decimal point too; under '.' a ',' is not.
        {"2.5", ',', 2.5}, {"2,5", '.', {}}, {"1.234,5", ',', {}}, {"1,2,3", ',', {}},
        {"nan", '.', {}}, {"-inf", '.', {}}, {"1e999", '.', {}}, {"0x10", '.', {}},
        {"", '.', {}}, {".", '.', {}}, {"e5", '.', {}}, {"1e+", '.', {}}, {"5 V", '.', {}}};
    // clang-format on
    for (const auto& [text, separator, value] : cases)
        EXPECT_DOUBLE_EQ(Reading(text, separator).Float(), value.value_or(-7.5))
            << '"' << text << "\" with '" << separator << "'";
}

TEST(SettingsFile, WritesDecimalsInShortestFormUpTo15Digits) {
    EXPECT_EQ(FormatSettingFloat(5.0, '.'), "5");
    EXPECT_EQ(FormatSettingFloat(2.95312345678912345, '.'), "2.95312345678912");
    EXPECT_EQ(FormatSettingFloat(-22.5, ','), "-22,5");
    EXPECT_EQ(FormatSettingFloat(1.5e-7, ','), "1,5e-07");
    for (const char separator : {'.', ','}) {
        for (const double value : {0.1, -3.75, 1e-5, 2.95312345678912, DBL_MAX, DBL_TRUE_MIN}) {
            FakeProfileFile profile;
            SettingsFile file(profile, separator);
            ASSERT_TRUE(file.WriteFloat("MISC", "Gain", value));
            EXPECT_EQ(file.ReadFloat("MISC", "Gain", 0.0), value) << value << separator;
        }
    }
}

}  // namespace
