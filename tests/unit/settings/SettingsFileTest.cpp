#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <optional>
#include <tuple>

#include "fakes/FakeProfileFile.h"

namespace {

// The value the file reads from `text`, with -7 as the default.
template <typename Read>
auto ReadFrom(const std::string& text, char separator, Read read) {
    FakeProfileFile profile;
    profile.Set("MISC", "Key", text);
    return read(SettingsFile(profile, separator));
}

TEST(SettingsFile, ReadsIntegersOrTheDefault) {
    // Nothing: does not convert, the default comes back.
    const std::pair<const char*, std::optional<int>> cases[] = {{" 12 ", 12}, {"+7", 7},
        {"-5", -5}, {"007", 7}, {"0X1f", 31}, {"$ff", 255}, {"-$10", -16},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"2147483648", {}},
        {"0xFFFFFFFF", {}}, {"12abc", {}}, {"", {}}, {"1 2", {}}, {"1.5", {}}, {"--5", {}},
        {"0x", {}}, {"$", {}}, {"0x-5", {}}, {"true", {}}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ReadFrom(text, '.', [](const SettingsFile& f) {
                      return f.ReadInteger("MISC", "Key", -7);
                  }),
                  value.value_or(-7))
            << '"' << text << '"';
    // Booleans are integers; what does not convert gives the default.
    for (const auto& [text, byDefault, expected] :
         {std::tuple{"0", true, false}, {"-1", false, true}, {"0x0", true, false},
          {"yes", true, true}, {"yes", false, false}})
        EXPECT_EQ(ReadFrom(text, '.', [&](const SettingsFile& f) {
                      return f.ReadBool("MISC", "Key", byDefault);
                  }),
                  expected)
            << text;
}

TEST(SettingsFile, ReadsDecimalsWithTheLocaleSeparatorOrTheDefault) {
    const std::tuple<const char*, char, std::optional<double>> cases[] = {{" 7.25 ", '.', 7.25},
        {"-0.5", '.', -0.5}, {".5", '.', 0.5}, {"3.", '.', 3.0}, {"2.5E-1", '.', 0.25},
        {"2,5e+1", ',', 25.0},
        // Under ',' a '.' is a decimal point too; under '.' a ',' is not.
        {"2.5", ',', 2.5}, {"2,5", '.', {}}, {"1.234,5", ',', {}}, {"1,2,3", ',', {}},
        {"nan", '.', {}}, {"-inf", '.', {}}, {"1e999", '.', {}}, {"0x10", '.', {}},
        {".", '.', {}}, {"e5", '.', {}}, {"1e+", '.', {}}, {"5 V", '.', {}}};
    for (const auto& [text, separator, value] : cases)
        EXPECT_DOUBLE_EQ(ReadFrom(text, separator, [](const SettingsFile& f) {
                             return f.ReadFloat("MISC", "Key", -7.5);
                         }),
                         value.value_or(-7.5))
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
