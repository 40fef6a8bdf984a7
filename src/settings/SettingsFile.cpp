#include "settings/SettingsFile.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace {

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == text.npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Strips one leading sign; true when it was a minus.
bool TakeSign(std::string_view& text) {
    if (text.empty() || (text.front() != '+' && text.front() != '-')) return false;
    const bool negative = text.front() == '-';
    text.remove_prefix(1);
    return negative;
}

}  // namespace

bool ParseSettingInteger(const std::string& input, int& value) {
    std::string_view text = TrimBlanks(input);
    const bool negative = TakeSign(text);
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    }
    // from_chars would take a second sign; the digits must be all that is left.
    if (text.empty() || text.front() == '+' || text.front() == '-') return false;
    std::int64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result < INT_MIN || result > INT_MAX) return false;
    value = static_cast<int>(result);
    return true;
}

bool ParseSettingFloat(const std::string& input, char decimalSeparator, double& value) {
    std::string_view text = TrimBlanks(input);
    const bool negative = TakeSign(text);
    // Check the shape ourselves: from_chars would also take "inf", "nan" and hex digits.
    std::string normal;
    std::size_t i = 0;
    int digits = 0;
    int points = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            ++digits;
            normal += c;
        } else if (c == decimalSeparator || c == '.') {
            if (++points > 1) return false;
            normal += '.';
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < text.size()) {
        if (text[i] != 'e' && text[i] != 'E') return false;
        normal += 'e';
        std::string_view exponent = text.substr(i + 1);
        if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
            normal += exponent.front();
            exponent.remove_prefix(1);
        }
        if (exponent.empty()) return false;
        for (const char c : exponent) {
            if (!IsDigit(c)) return false;
            normal += c;
        }
    }
    double result = 0.0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), result);
    if (error != std::errc() || end != normal.data() + normal.size() || !std::isfinite(result))
        return false;
    value = negative ? -result : result;
    return true;
}

std::string FormatSettingFloat(double value, char decimalSeparator) {
    // to_chars ignores the C locale, which Qt sets from the environment.
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    double check = 0.0;
    // Near the top of the range 15 digits round up past the largest double
    // (1.79769313486232e+308), which would never read back: write all the digits there.
    if (std::from_chars(buffer, result.ptr, check).ec != std::errc())
        result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        if (c == '.') c = decimalSeparator;
    return text;
}

SettingsFile::SettingsFile(ProfileFile& file, char decimalSeparator)
    : file_(file), separator_(decimalSeparator) {}

std::string SettingsFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const {
    return file_.Read(section, key).value_or(defaultValue);
}

int SettingsFile::ReadInteger(const std::string& section, const std::string& key,
                              int defaultValue) const {
    const auto text = file_.Read(section, key);
    int value = 0;
    return text && ParseSettingInteger(*text, value) ? value : defaultValue;
}

bool SettingsFile::ReadBool(const std::string& section, const std::string& key,
                            bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double SettingsFile::ReadFloat(const std::string& section, const std::string& key,
                               double defaultValue) const {
    const auto text = file_.Read(section, key);
    double value = 0.0;
    return text && ParseSettingFloat(*text, separator_, value) ? value : defaultValue;
}

bool SettingsFile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value) {
    return file_.Write(section, key, value);
}

bool SettingsFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool SettingsFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool SettingsFile::WriteFloat(const std::string& section, const std::string& key, double value) {
    return WriteString(section, key, FormatSettingFloat(value, separator_));
}
