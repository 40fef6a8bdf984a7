#include "dialogs/NumberConversion.h"

#include <algorithm>
#include <charconv>
#include <limits>

int NumberCountry = 0;
char DecimalChar = '.';
char GroupChar = ',';

int NumberCountryFromLanguage(uint16_t langId) {
    const int primary = langId & 0x3FF;
    const int sub = langId >> 10;
    switch (primary) {
        case 0x07:  // German
            return 5;
        case 0x09:  // English: only the United States keeps code 0
            return sub == 1 ? 0 : 2;
        case 0x0A:  // Spanish
            return 6;
        case 0x0C:  // French: Canada has its own code
            return sub == 3 ? 7 : 4;
        case 0x10:  // Italian
            return 3;
        case 0x19:  // Russian
            return 8;
        default:
            return 0;
    }
}

void InitNumberConversion(uint16_t langId) {
    NumberCountry = NumberCountryFromLanguage(langId);
    switch (NumberCountry) {
        case 3:
        case 4:
        case 5:
        case 6:
            DecimalChar = ',';
            GroupChar = '.';
            break;
        case 8:
            DecimalChar = '.';
            GroupChar = ' ';
            break;
        default:
            DecimalChar = '.';
            GroupChar = ',';
            break;
    }
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void CutAtFirst(std::string& s, char c) {
    const auto pos = s.find(c);
    if (pos != std::string::npos) s.resize(pos);
}

template <typename Pred>
void EraseLeading(std::string& s, Pred pred) {
    s.erase(s.begin(), std::find_if_not(s.begin(), s.end(), pred));
}

void EraseLeadingBlanksAndControls(std::string& s) {
    EraseLeading(s, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// Digits in [first, last) as one whole number, ignoring anything else; saturates far
// above any range a caller clamps to, so long digit runs cannot overflow.
double DigitsAsWholeNumber(std::string::const_iterator first, std::string::const_iterator last) {
    double value = 0;
    for (auto it = first; it != last; ++it) {
        if (IsDigit(*it)) value = std::min(value * 10 + (*it - '0'), 1e300);
    }
    return value;
}

}  // namespace

int16_t LenientStrToInt(const std::string& text) {
    std::string s = text;
    EraseLeadingBlanksAndControls(s);
    if (!s.empty() && s.front() == '+') s.erase(0, 1);
    EraseLeadingBlanksAndControls(s);
    std::erase(s, DecimalChar != '.' ? '.' : ',');
    if (const auto dollar = s.find('$'); dollar != std::string::npos) s.erase(dollar, 1);
    CutAtFirst(s, ' ');
    s.resize(std::find_if_not(s.begin(), s.end(), [](char c) { return IsDigit(c) || c == '-'; }) -
             s.begin());

    // An optional '-' and digits convert normally; anything after that stops the
    // conversion, which then keeps the digits read so far and drops the sign.
    const bool negative = !s.empty() && s.front() == '-';
    const auto digitsBegin = s.begin() + (negative ? 1 : 0);
    const auto digitsEnd = std::find_if_not(digitsBegin, s.end(), IsDigit);
    double value = DigitsAsWholeNumber(digitsBegin, digitsEnd);
    if (negative && digitsEnd == s.end()) value = -value;
    return static_cast<int16_t>(std::clamp(value, -32768.0, 32767.0));
}

double LenientStrToFloat(const std::string& text) {
    return LenientStrToFloat(text, DecimalChar);
}

double LenientStrToFloat(const std::string& text, char decimalChar) {
    std::string s = text;
    std::erase(s, '$');
    EraseLeading(s, [](char c) { return c == ' ' || c == '+'; });
    if (!s.empty() && s.front() == '-') {
        EraseLeading(s, [](char c) { return c == ' ' || c == '+' || c == '-'; });
        if (s.empty()) return 0;
        if (s.front() == decimalChar) s.insert(0, 1, '0');
        s.insert(0, 1, '-');
    }
    if (decimalChar != '.') {
        std::erase(s, '.');
        if (const auto dec = s.find(decimalChar); dec != std::string::npos) s[dec] = '.';
    } else {
        std::erase(s, ',');
    }
    if (s.empty()) return 0;
    if (s.front() == '.') s.insert(0, 1, '0');
    CutAtFirst(s, ' ');
    if (s.empty()) return 0;
    const auto runBegin = s.begin() + (s.front() == '-' ? 1 : 0);
    s.erase(std::find_if_not(runBegin, s.end(), [](char c) { return IsDigit(c) || c == '.'; }),
            s.end());
    if (s.empty()) return 0;
    if (s.back() == '.') s.pop_back();

    // A second '.' makes the conversion fail part-way; what it read up to there counts
    // as a whole number without sign.
    const auto firstDot = std::find(s.begin(), s.end(), '.');
    const auto secondDot = firstDot == s.end() ? s.end() : std::find(firstDot + 1, s.end(), '.');
    if (secondDot != s.end()) return DigitsAsWholeNumber(s.begin(), secondDot);

    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too many digits before the point overflows; too many zeros after it is zero.
        const bool overflow = DigitsAsWholeNumber(s.begin(), firstDot) >= 1;
        if (!overflow) return 0;
        const double huge = std::numeric_limits<double>::max();
        return s.front() == '-' ? -huge : huge;
    }
    if (ec != std::errc() || end != s.data() + s.size()) {
        return DigitsAsWholeNumber(s.begin(), s.begin() + (end - s.data()));
    }
    return value;
}
