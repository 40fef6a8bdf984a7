#include "platform/win32/Win32ProfileFile.h"

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include <fstream>

TEST(ProfileFileTest, ABareNameInTheWindowsDirectoryCaseBlind) {
    char folder[MAX_PATH] = {};
    const std::string name = "qvtest-" + std::to_string(GetCurrentProcessId()) + ".ini";
    const std::string path =
        std::string(folder, GetWindowsDirectoryA(folder, MAX_PATH)) + "\\" + name;
    std::ofstream(path, std::ios::binary) << "[MISC]\r\nGain =  2.25  \r\n[ELSEWHERE]\r\nA=1\r\n";
    Win32ProfileFile ini(name);
    EXPECT_EQ(ini.Read("misc", "GAIN"), "2.25") << "names match without regard to case, trimmed";
    EXPECT_EQ(ini.Read("ELSEWHERE", "Gain"), std::nullopt);
    const std::string longValue(1000, '7');  // longer than the first buffer
    ASSERT_TRUE(ini.Write("MISC", "Gain", longValue) && ini.Write("MISC", "Note", "") &&
                ini.Write("POWER LIMITS", "Maximum Volts", "0"));
    EXPECT_EQ(ini.Read("MISC", "Gain"), longValue);
    EXPECT_EQ(ini.Read("MISC", "Note"), "") << "an empty value is still there";
    EXPECT_EQ(ini.Read("POWER LIMITS", "Maximum Volts"), "0") << "though it is the first default";
    EXPECT_EQ(GetFileAttributesA(name.c_str()), INVALID_FILE_ATTRIBUTES) << "in the working folder";
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(path.c_str());
}
