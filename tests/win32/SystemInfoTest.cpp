#include "platform/win32/Win32SystemInfo.h"

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

TEST(SystemInfoTest, TheSystemAndTheProgramDescribeThemselves) {
    // By bare name, as the program reads quorvane.exe: its own folder is searched.
    char path[MAX_PATH] = {};
    const std::string own(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    EXPECT_EQ(Win32SystemInfo(own.substr(own.find_last_of('\\') + 1)).ProgramVersion(),
              "2.17.0.301");
    EXPECT_EQ(Win32SystemInfo("qvtest-missing.exe").ProgramVersion(), "");
    const Win32SystemInfo info;
    EXPECT_EQ(info.VersionWord() & 0x80000000u, 0u) << "of the NT family";
    EXPECT_TRUE(info.LocaleDecimalSeparator() == '.' || info.LocaleDecimalSeparator() == ',');
}
