#include "platform/win32/Win32SystemInfo.h"

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include <string>

TEST(SystemInfoTest, OsNamesFollowTheAboutBoxTable) {
    const struct {
        uint32_t major, minor, platformId;
        const char* name;
    } cases[] = {
        {4, 0, 1, "Windows 95"},  {4, 0, 2, "Windows NT"},          {4, 0, 0, "Unknown OS"},
        {4, 10, 1, "Windows 98"}, {4, 90, 1, "Windows ME"},         {5, 0, 2, "Windows 2000"},
        {5, 1, 2, "Windows XP"},  {5, 2, 2, "Windows Server 2003"}, {6, 0, 2, "Windows Vista"},
        {6, 1, 2, "Windows 7"},   {6, 2, 2, "Unknown OS"},          {10, 0, 2, "Unknown OS"},
        {5, 3, 2, "Unknown OS"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OsNameFor(c.major, c.minor, c.platformId), c.name) << c.major << "." << c.minor;
}

TEST(SystemInfoTest, TheSystemAndTheProgramDescribeThemselves) {
    // By bare name, as the program reads quorvane.exe: its own folder is searched.
    char path[MAX_PATH] = {};
    const std::string own(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    EXPECT_EQ(Win32SystemInfo(own.substr(own.find_last_of('\\') + 1)).ProgramVersion(),
              "2.17.0.301");
    EXPECT_EQ(Win32SystemInfo("qvtest-missing.exe").ProgramVersion(), "");

    Win32SystemInfo info;
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    EXPECT_EQ(info.VersionWord() & 0x8000FFFFu,
              version.dwMajorVersion | version.dwMinorVersion << 8)
        << "of the NT family";
    EXPECT_EQ(info.OsName(),
              OsNameFor(version.dwMajorVersion, version.dwMinorVersion, version.dwPlatformId));
    EXPECT_NE(info.UserLanguageId() & 0x3FF, 0) << "a primary language";
    EXPECT_TRUE(info.LocaleDecimalSeparator() == '.' || info.LocaleDecimalSeparator() == ',');
}
