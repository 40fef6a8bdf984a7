#include "platform/win32/Win32SystemInfo.h"

#include "platform/win32/WindowsApi.h"

#include <utility>
#include <vector>

namespace {

struct OsNameRow {
    uint32_t major;
    uint32_t minor;
    uint32_t platformId;  // kAnyPlatform: either family
    const char* name;
};
constexpr uint32_t kAnyPlatform = ~0u;

constexpr OsNameRow kOsNames[] = {
    {4, 0, VER_PLATFORM_WIN32_WINDOWS, "Windows 95"},
    {4, 0, VER_PLATFORM_WIN32_NT, "Windows NT"},
    {4, 10, kAnyPlatform, "Windows 98"},
    {4, 90, kAnyPlatform, "Windows ME"},
    {5, 0, kAnyPlatform, "Windows 2000"},
    {5, 1, kAnyPlatform, "Windows XP"},
    {5, 2, kAnyPlatform, "Windows Server 2003"},
    {6, 0, kAnyPlatform, "Windows Vista"},
    {6, 1, kAnyPlatform, "Windows 7"},
    {6, 2, kAnyPlatform, "Windows 8"},
    {6, 3, kAnyPlatform, "Windows 8.1"},
    {10, 0, kAnyPlatform, "Windows 10"},
};
// Windows 11 still calls itself 10.0; only its build numbers tell it apart.
constexpr uint32_t kFirstWindows11Build = 22000;

}  // namespace

std::string OsNameFor(uint32_t major, uint32_t minor, uint32_t platformId, uint32_t build) {
    if (major == 10 && minor == 0 && build >= kFirstWindows11Build) return "Windows 11";
    for (const auto& row : kOsNames) {
        if (row.major == major && row.minor == minor &&
            (row.platformId == kAnyPlatform || row.platformId == platformId))
            return row.name;
    }
    return "Unknown OS";
}

Win32SystemInfo::Win32SystemInfo(std::string versionFile) : versionFile_(std::move(versionFile)) {}

uint32_t Win32SystemInfo::VersionWord() const {
    return GetVersion();
}

std::string Win32SystemInfo::OsName() const {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return OsNameFor(0, 0, 0, 0);
    return OsNameFor(info.dwMajorVersion, info.dwMinorVersion, info.dwPlatformId,
                     info.dwBuildNumber);
}

std::string Win32SystemInfo::ProgramVersion() const {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(versionFile_.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(versionFile_.c_str(), 0, size, block.data())) return {};
    void* root = nullptr;
    UINT rootSize = 0;
    if (!VerQueryValueA(block.data(), "\\", &root, &rootSize) || root == nullptr ||
        rootSize < sizeof(VS_FIXEDFILEINFO))
        return {};
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(root);
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
           std::to_string(LOWORD(fixed->dwFileVersionLS));
}

uint16_t Win32SystemInfo::UserLanguageId() const {
    return GetUserDefaultLangID();
}

char Win32SystemInfo::LocaleDecimalSeparator() const {
    char separator[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) < 2 ||
        static_cast<unsigned char>(separator[0]) > 0x7F)
        return '.';
    return separator[0];
}
