#pragma once
// System information with every answer set by the test. Defaults describe a Linux host
// with an English (United States) locale.

#include <string>

#include "platform/SystemInfo.h"

class FakeSystemInfo final : public SystemInfo {
public:
    uint32_t version = 0x80000106;  // top bit set: not the NT family
    std::string os = "Test Linux 1.0";
    std::string program = "1.0.0.0";
    uint16_t languageId = 0x0409;
    char decimalSeparator = '.';

    uint32_t VersionWord() const override { return version; }
    std::string OsName() const override { return os; }
    std::string ProgramVersion() const override { return program; }
    uint16_t UserLanguageId() const override { return languageId; }
    char LocaleDecimalSeparator() const override { return decimalSeparator; }
};
