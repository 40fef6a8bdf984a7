#include "platform/win32/Win32SystemInfo.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

TEST(SystemInfoTest, OsNamesFollowTheAboutBoxTable) {
    struct Case {
        uint32_t major, minor, platformId;
        const char* name;
    };
    const Case cases[] = {
        {4, 0, 1, "Windows 95"},  {4, 0, 2, "Windows NT"},          {4, 0, 0, "Unknown OS"},
        {4, 10, 1, "Windows 98"}, {4, 90, 1, "Windows ME"},         {5, 0, 2, "Windows 2000"},
        {5, 1, 2, "Windows XP"},  {5, 2, 2, "Windows Server 2003"}, {6, 0, 2, "Windows Vista"},
        {6, 1, 2, "Windows 7"},   {6, 2, 2, "Unknown OS"},          {10, 0, 2, "Unknown OS"},
        {5, 3, 2, "Unknown OS"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OsNameFor(c.major, c.minor, c.platformId), c.name)
            << c.major << "." << c.minor << " platform " << c.platformId;
}

std::string OwnFileName() {
    char path[MAX_PATH] = {};
    const std::string full(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return full.substr(full.find_last_of("\\/") + 1);
}

TEST(SystemInfoTest, ProgramVersionComesFromTheFileVersionResource) {
    // By bare name, as the program reads quorvane.exe: the program's own folder is searched.
    EXPECT_EQ(Win32SystemInfo(OwnFileName()).programVersion(), "2.17.0.301");
    EXPECT_EQ(Win32SystemInfo("qvtest-missing.exe").programVersion(), "");
}

TEST(SystemInfoTest, TheSystemDescribesItselfConsistently) {
    Win32SystemInfo info;
    const uint32_t word = info.versionWord();
    EXPECT_EQ(word & 0x80000000u, 0u) << "Wine presents itself as the NT family";
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    EXPECT_EQ(word & 0xFF, version.dwMajorVersion);
    EXPECT_EQ((word >> 8) & 0xFF, version.dwMinorVersion);
    EXPECT_EQ(info.osName(),
              OsNameFor(version.dwMajorVersion, version.dwMinorVersion, version.dwPlatformId));

    const uint16_t language = info.userLanguageId();
    EXPECT_NE(language & 0x3FF, 0) << "a primary language";
    const char separator = info.localeDecimalSeparator();
    EXPECT_TRUE(separator == '.' || separator == ',') << separator;
}

}  // namespace
