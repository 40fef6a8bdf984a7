#pragma once
// What Windows says about itself: the version word, the name of the system from the
// About box's table, the program file's version resource and the user's language.

#include <cstdint>
#include <string>

#include "platform/SystemInfo.h"

// The About box's name for a GetVersionExA result; "Unknown OS" for versions the table
// does not list. Windows 8.1 and later report their own version only to a program whose
// manifest names them (this one's does); to others they say 6.2, Windows 8.
std::string OsNameFor(uint32_t major, uint32_t minor, uint32_t platformId, uint32_t build);

class Win32SystemInfo final : public SystemInfo {
public:
    // `versionFile` is looked up as the version calls do: a bare name finds the program's
    // own file when it carries that name.
    explicit Win32SystemInfo(std::string versionFile = "quorvane.exe");

    uint32_t VersionWord() const override;
    std::string OsName() const override;
    // The file's fixed version as "a.b.c.d"; empty when it has none or cannot be read.
    std::string ProgramVersion() const override;
    uint16_t UserLanguageId() const override;
    char LocaleDecimalSeparator() const override;

private:
    std::string versionFile_;
};
