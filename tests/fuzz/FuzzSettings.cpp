// The settings file's text and value encodings: whatever the file holds, reading it and
// writing it back changes nothing but the key written, and every value written reads back.

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "FuzzInput.h"
#include "platform/IniDocument.h"
#include "settings/SettingsFile.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::string Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == text.npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

// What a reader gets back for a value written: trimmed, one pair of quotes dropped.
std::string AsRead(std::string_view value) {
    std::string text = Trimmed(value);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return text;
}

void CheckNumbers(const std::string& text, char separator) {
    double value = 0;
    if (ParseSettingFloat(text, separator, value)) {
        Check(std::isfinite(value));
        double back = 0;
        Check(ParseSettingFloat(FormatSettingFloat(value, separator), separator, back));
        Check(std::fabs(back - value) <= std::fabs(value) * 1e-14);
    }
    int whole = 0;
    if (ParseSettingInteger(text, whole)) {
        int back = 0;
        Check(ParseSettingInteger(std::to_string(whole), back) && back == whole);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const char separator = input.Byte() & 1 ? ',' : '.';
    const std::string section = input.Piece();
    const std::string key = input.Piece();
    const std::string value = input.Piece();
    const std::string otherKey = input.Piece();
    const std::string content(input.Rest());

    CheckNumbers(value, separator);

    IniDocument doc(content);
    Check(doc.Text() == content);  // untouched, the file is written back byte for byte
    if (!IniDocument::CanWrite(section, key, value)) return 0;
    const auto otherBefore = doc.Value(section, otherKey);
    doc.Set(section, key, value);
    const IniDocument reread(doc.Text());
    Check(reread.Value(section, key) == AsRead(value));
    if (Trimmed(otherKey) != Trimmed(key) && !Trimmed(otherKey).empty()) {
        // Names match without regard to case: only a different name is left alone.
        std::string a = Trimmed(otherKey), b = Trimmed(key);
        for (char& c : a) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        for (char& c : b) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (a != b) Check(reread.Value(section, otherKey) == otherBefore);
    }
    Check(!doc.Set(section, key, value));  // the same value again changes nothing
    return 0;
}
