#pragma once
// System information of a Linux host with an English (United States) locale.

#include <string>

#include "platform/SystemInfo.h"

class FakeSystemInfo final : public SystemInfo {
public:
    uint32_t VersionWord() const override { return 0x80000106; }  // top bit set: not NT
    std::string OsName() const override { return "Test Linux 1.0"; }
    std::string ProgramVersion() const override { return "1.0.0.0"; }
    uint16_t UserLanguageId() const override { return 0x0409; }
    char LocaleDecimalSeparator() const override { return '.'; }
};
