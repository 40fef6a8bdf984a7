#include "platform/win32/Win32ProfileFile.h"

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include <fstream>
#include <sstream>

TEST(ProfileFileTest, ABareNameInTheWindowsDirectoryCaseBlindKeepingTheRest) {
    char folder[MAX_PATH] = {};
    const std::string name = "qvtest-" + std::to_string(GetCurrentProcessId()) + ".ini";
    const std::string path =
        std::string(folder, GetWindowsDirectoryA(folder, MAX_PATH)) + "\\" + name;
    std::ofstream(path, std::ios::binary)
        << "; kept by hand\r\n[MISC]\r\nGain =  2.25  \r\nOwn Key=x\r\n\r\n[ELSEWHERE]\r\nA=1\r\n";
    Win32ProfileFile ini(name);
    EXPECT_EQ(ini.Read("misc", "GAIN"), "2.25") << "names match without regard to case, trimmed";
    EXPECT_EQ(ini.Read("ELSEWHERE", "Gain"), std::nullopt);
    ASSERT_TRUE(ini.Write("MISC", "Gain", "7"));
    ASSERT_TRUE(ini.Write("MISC", "Note", ""));
    ASSERT_TRUE(ini.Write("POWER LIMITS", "Maximum Volts", "5"));
    EXPECT_EQ(ini.Read("MISC", "Gain"), "7");
    EXPECT_EQ(ini.Read("MISC", "Note"), "") << "an empty value is still there";
    EXPECT_EQ(ini.Read("POWER LIMITS", "Maximum Volts"), "5");
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    for (const char* kept : {"; kept by hand", "Own Key=x", "[ELSEWHERE]\r\nA=1"})
        EXPECT_NE(text.str().find(kept), std::string::npos) << kept << " in\n" << text.str();
    EXPECT_EQ(GetFileAttributesA(name.c_str()), INVALID_FILE_ATTRIBUTES) << "in the working folder";
    DeleteFileA(path.c_str());
}
