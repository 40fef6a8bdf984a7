#pragma once
// What the program asks of the operating system about itself and its host.

#include <cstdint>
#include <string>

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // GetVersion-style word: top bit set outside the NT family; low byte the major version.
    virtual uint32_t VersionWord() const = 0;
    // Name shown after "Operating System: ".
    virtual std::string OsName() const = 0;
    // Program version as "a.b.c.d"; empty when unknown.
    virtual std::string ProgramVersion() const = 0;
    // Windows-style language identifier (primary language in the low 10 bits).
    virtual uint16_t UserLanguageId() const = 0;
    // Character the operator's locale uses between whole and fractional digits.
    virtual char LocaleDecimalSeparator() const = 0;
};
