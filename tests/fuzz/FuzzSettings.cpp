// Whatever the settings file holds, a key written reads back and changes no other key.

#include "FuzzInput.h"
#include "platform/IniDocument.h"
#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const char separator = input.Byte() & 1 ? ',' : '.';
    const std::string section = input.Piece(), key = input.Piece(), value = input.Piece(),
                      otherKey = input.Piece(), content(input.rest);
    double number = 0;
    int whole = 0;
    ParseSettingFloat(value, separator, number), ParseSettingInteger(value, whole);

    IniDocument doc(content);
    Check(doc.Text() == content);  // untouched, the file is written back byte for byte
    if (!IniDocument::CanWrite(section, key, value)) return 0;
    const auto otherBefore = doc.Value(section, otherKey);
    doc.Set(section, key, value);
    const IniDocument reread(doc.Text());
    std::string asRead(value);  // trimmed, with one pair of quotes dropped
    asRead.erase(0, asRead.find_first_not_of(" \t\r\n\v\f"));
    asRead.erase(asRead.find_last_not_of(" \t\r\n\v\f") + 1);
    if (asRead.size() >= 2 && (asRead[0] == '"' || asRead[0] == '\'') && asRead.back() == asRead[0])
        asRead = asRead.substr(1, asRead.size() - 2);
    const auto otherAfter = reread.Value(section, otherKey);
    Check(reread.Value(section, key) == asRead &&
          (otherAfter == otherBefore || otherAfter == asRead));
    Check(!doc.Set(section, key, value));  // the same value again changes nothing
    return 0;
}
