#include <gtest/gtest.h>

#include <tuple>

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
        // A sign after the first place stops the conversion, which then keeps only the
        // digits read so far.
        {"12-3", '.', 12}, {"-12-3", '.', 12}, {"-99999-1", '.', 32767}};
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
        {"5-", '.', 5}, {"-x", '.', 0},
        // A second point fails the conversion part-way: the digits read up to it count as a
        // whole number without sign.
        {"1.2.3", '.', 12}, {"-1.5.0", '.', 15}};
    // clang-format on
    for (const auto& [text, decimal, expected] : cases) {
        DecimalCharGuard guard(decimal);
        EXPECT_DOUBLE_EQ(LenientStrToFloat(text), expected)
            << "text '" << text << "' with " << decimal;
    }
    DecimalCharGuard guard('.');  // huge texts stay finite
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_GT(LenientStrToFloat(huge), 1e300);
    EXPECT_LT(LenientStrToFloat("-" + huge), -1e300);
    EXPECT_EQ(LenientStrToFloat("0." + std::string(400, '0') + "1"), 0.0);
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

}  // namespace
