// The settings file's text and value encodings: whatever the file holds, writing a key
// changes nothing but that key, and every value written reads back.

#include <cctype>
#include <cmath>

#include "FuzzInput.h"
#include "platform/IniDocument.h"
#include "settings/SettingsFile.h"

namespace {

// Trimmed; lower-cased too for a name, which matches without regard to case.
std::string Trimmed(std::string_view text, bool name = false) {
    const std::size_t first = text.find_first_not_of(" \t\r\n\v\f");
    std::string out(first == text.npos ? "" : text.substr(first));
    out.erase(out.find_last_not_of(" \t\r\n\v\f") + 1);
    if (name)
        for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const char separator = input.Byte() & 1 ? ',' : '.';
    const std::string section = input.Piece(), key = input.Piece(), value = input.Piece(),
                      otherKey = input.Piece(), content(input.Rest());

    double number = 0, back = 0;
    if (ParseSettingFloat(value, separator, number))
        Check(std::isfinite(number) &&
              ParseSettingFloat(FormatSettingFloat(number, separator), separator, back) &&
              std::fabs(back - number) <= std::fabs(number) * 1e-14);
    int whole = 0, wholeBack = 0;
    if (ParseSettingInteger(value, whole))
        Check(ParseSettingInteger(std::to_string(whole), wholeBack) && wholeBack == whole);

    IniDocument doc(content);
    Check(doc.Text() == content);  // untouched, the file is written back byte for byte
    if (!IniDocument::CanWrite(section, key, value)) return 0;
    const auto otherBefore = doc.Value(section, otherKey);
    doc.Set(section, key, value);
    const IniDocument reread(doc.Text());
    // Read back trimmed, with one pair of quotes dropped.
    std::string asRead = Trimmed(value);
    if (asRead.size() >= 2 && (asRead[0] == '"' || asRead[0] == '\'') && asRead.back() == asRead[0])
        asRead = asRead.substr(1, asRead.size() - 2);
    Check(reread.Value(section, key) == asRead);
    if (!Trimmed(otherKey).empty() && Trimmed(otherKey, true) != Trimmed(key, true))
        Check(reread.Value(section, otherKey) == otherBefore);
    Check(!doc.Set(section, key, value));  // the same value again changes nothing
    return 0;
}
