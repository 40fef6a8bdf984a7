#include <gtest/gtest.h>

#include "dialogs/NumberConversion.h"

namespace {

// Each case sets DecimalChar itself; this puts the program's default back afterwards.
class DecimalCharGuard {
public:
    explicit DecimalCharGuard(char decimal) { DecimalChar = decimal; }
    ~DecimalCharGuard() { InitNumberConversion(0x0409); }
};

template <typename Number>
struct ConversionCase {
    const char* text;
    char decimal;
    Number expected;
};
using IntCase = ConversionCase<int16_t>;
using FloatCase = ConversionCase<double>;

// Converts each case's text with its DecimalChar in effect.
template <typename Number>
class ConversionTest : public testing::TestWithParam<ConversionCase<Number>> {
protected:
    template <typename Convert>
    Number Run(Convert convert) {
        const ConversionCase<Number>& c = this->GetParam();
        DecimalCharGuard guard(c.decimal);
        return convert(c.text);
    }
    Number Expected() const { return this->GetParam().expected; }
};

class LenientStrToIntTest : public ConversionTest<int16_t> {};

TEST_P(LenientStrToIntTest, Converts) {
    EXPECT_EQ(Run(LenientStrToInt), Expected()) << "text '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Table, LenientStrToIntTest,
    testing::Values(IntCase{" +42", '.', 42}, IntCase{"1,234", '.', 1234}, IntCase{"1,234", ',', 1},
                    IntCase{"1.234", ',', 1234}, IntCase{"$7", '.', 7}, IntCase{"12 34", '.', 12},
                    IntCase{"COM", '.', 0}, IntCase{"99999", '.', 32767},
                    IntCase{"-99999", '.', -32768}, IntCase{"99999999999999999999999", '.', 32767},
                    IntCase{"", '.', 0}, IntCase{"\t\x01 7", '.', 7}, IntCase{" + 3", '.', 3},
                    IntCase{"++3", '.', 0},
                    // A sign after the first place stops the conversion, which then
                    // keeps only the digits read so far.
                    IntCase{"12-3", '.', 12}, IntCase{"-12-3", '.', 12}, IntCase{"-", '.', 0},
                    IntCase{"--5", '.', 0}, IntCase{"-12", '.', -12},
                    IntCase{"-99999-1", '.', 32767}, IntCase{"4x2", '.', 4}));

class LenientStrToFloatTest : public ConversionTest<double> {};

TEST_P(LenientStrToFloatTest, Converts) {
    EXPECT_DOUBLE_EQ(Run(LenientStrToFloat), Expected()) << "text '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Table, LenientStrToFloatTest,
    testing::Values(FloatCase{"5.0", '.', 5.0}, FloatCase{" +2.5 W", '.', 2.5},
                    FloatCase{".5", '.', 0.5}, FloatCase{"- .5", '.', -0.5},
                    FloatCase{"1,000.25", '.', 1000.25}, FloatCase{"3.", '.', 3.0},
                    FloatCase{"abc", '.', 0}, FloatCase{"2,5", ',', 2.5},
                    FloatCase{"1.000,25", ',', 1000.25}, FloatCase{"2.5", ',', 25},
                    FloatCase{" 1.0", '.', 1.0}, FloatCase{"", '.', 0}, FloatCase{"$", '.', 0},
                    FloatCase{"$12.5", '.', 12.5}, FloatCase{"-", '.', 0},
                    FloatCase{"--+-7", '.', -7}, FloatCase{"-,5", ',', -0.5},
                    FloatCase{",5", ',', 0.5}, FloatCase{"5-", '.', 5}, FloatCase{"-x", '.', 0},
                    // A second point fails the conversion part-way: the digits read up
                    // to it count as a whole number without sign.
                    FloatCase{"1.2.3", '.', 12}, FloatCase{"-1.5.0", '.', 15}));

TEST(LenientStrToFloat, HugeTextsStayFinite) {
    DecimalCharGuard guard('.');
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_GT(LenientStrToFloat(huge), 1e300);
    EXPECT_LT(LenientStrToFloat("-" + huge), -1e300);
    EXPECT_EQ(LenientStrToFloat("0." + std::string(400, '0') + "1"), 0.0);
}

struct LanguageCase {
    uint16_t langId;
    int country;
    char decimal;
    char group;
};

class NumberCountryTest : public testing::TestWithParam<LanguageCase> {};

TEST_P(NumberCountryTest, ChoosesSeparators) {
    const LanguageCase& c = GetParam();
    DecimalCharGuard guard('.');
    InitNumberConversion(c.langId);
    EXPECT_EQ(NumberCountry, c.country);
    EXPECT_EQ(DecimalChar, c.decimal);
    EXPECT_EQ(GroupChar, c.group);
}

// Identifiers: primary language in the low 10 bits, sublanguage above.
INSTANTIATE_TEST_SUITE_P(Table, NumberCountryTest,
                         testing::Values(LanguageCase{0x0407, 5, ',', '.'},  // German
                                         LanguageCase{0x0C07, 5, ',', '.'},  // German, Austria
                                         LanguageCase{0x0409, 0, '.', ','},  // English, US
                                         LanguageCase{0x0809, 2, '.', ','},  // English, UK
                                         LanguageCase{0x0009, 2, '.', ','},  // English, neutral
                                         LanguageCase{0x0C0A, 6, ',', '.'},  // Spanish
                                         LanguageCase{0x0C0C, 7, '.', ','},  // French, Canada
                                         LanguageCase{0x040C, 4, ',', '.'},  // French, France
                                         LanguageCase{0x0410, 3, ',', '.'},  // Italian
                                         LanguageCase{0x0419, 8, '.', ' '},  // Russian
                                         LanguageCase{0x0411, 0, '.', ','},  // Japanese
                                         LanguageCase{0x0000, 0, '.', ','}));

}  // namespace
