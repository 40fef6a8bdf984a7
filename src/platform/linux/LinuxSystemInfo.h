#pragma once
// What Linux says about itself, in the Windows shapes of the SystemInfo interface (the
// version word, language identifiers), so the program's logic reads the same on both.

#include <QLocale>

#include "platform/SystemInfo.h"

class LinuxSystemInfo final : public SystemInfo {
public:
    // Top bit set: Linux is not the NT family, so the port-sharing driver is never tried.
    // Low byte the kernel's major version, next byte its minor version.
    uint32_t VersionWord() const override;
    // QSysInfo's product name, e.g. "Debian GNU/Linux 12 (bookworm)".
    std::string OsName() const override;
    // The CMake project version as "a.b.c.d".
    std::string ProgramVersion() const override;
    // The Windows language identifier of the system locale.
    uint16_t UserLanguageId() const override;
    // First character of the locale's decimal point; '.' when it is not plain ASCII.
    char LocaleDecimalSeparator() const override;

    // Windows language identifier for a Qt language and territory: the primary language
    // in the low 10 bits, the sublanguage above it (1 where Windows has only one variant,
    // 0 for languages Windows does not know).
    static uint16_t WindowsLanguageId(QLocale::Language language, QLocale::Territory territory);
    // Kernel release text ("6.1.0-18-amd64") to the version word above.
    static uint32_t VersionWordFromKernel(const std::string& release);
};
