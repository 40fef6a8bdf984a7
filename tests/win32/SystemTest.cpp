// The Windows platform layer against Wine's own services: the settings file and what the
// program finds out about itself.

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include <fstream>

#include "platform/win32/Win32DriverServices.h"
#include "platform/win32/Win32ProfileFile.h"
#include "platform/win32/Win32SystemInfo.h"

static const std::string kName = "qvtest" + std::to_string(GetCurrentProcessId());

TEST(SystemTest, TheSettingsFileTheProgramsOwnFileAndTheSystem) {
    // A bare name is a file in the Windows folder.
    char folder[MAX_PATH] = {};
    const std::string path =
        std::string(folder, GetWindowsDirectoryA(folder, MAX_PATH)) + "\\" + kName + ".ini";
    std::ofstream(path, std::ios::binary) << "[MISC]\r\nGain=2.25\r\n";
    Win32ProfileFile settings(kName + ".ini");
    EXPECT_EQ(settings.Read("MISC", "Gain"), "2.25");
    const std::string longValue(1000, '7');  // longer than the first buffer
    ASSERT_TRUE(settings.Write("MISC", "Gain", longValue) && settings.Write("MISC", "Note", "") &&
                settings.Write("POWER LIMITS", "Maximum Volts", "0"));
    EXPECT_EQ(settings.Read("MISC", "Gain"), longValue);
    EXPECT_EQ(settings.Read("MISC", "Note"), "") << "an empty value is still there";
    EXPECT_EQ(settings.Read("POWER LIMITS", "Maximum Volts"), "0") << "though the first default";
    DeleteFileA(path.c_str());
    // A file made anew by full name is UTF-16, so any text comes back.
    const std::string fresh = std::string(folder) + "\\" + kName + "-fresh.ini";
    const std::string historyPath = "C:\\St\xc3\xb6rung \xce\xa9\\history.csv";
    ASSERT_TRUE(Win32ProfileFile(fresh).Write("HISTORY", "File", historyPath));
    EXPECT_EQ(Win32ProfileFile(fresh).Read("HISTORY", "File"), historyPath);
    EXPECT_EQ(std::ifstream(fresh, std::ios::binary).get(), 0xFF) << "the UTF-16 mark";
    DeleteFileA(fresh.c_str());

    Win32DriverServices os;
    ASSERT_TRUE(SetEnvironmentVariableA("QVTEST_LONG", longValue.c_str()));
    EXPECT_EQ(os.EnvironmentVariable("QVTEST_LONG"), longValue) << "the buffer grows";
    // By bare name, as the program reads quorvane.exe: its own folder is searched.
    const std::string own = os.ExecutablePath();
    EXPECT_TRUE(os.FileExists(own)) << own;
    EXPECT_EQ(Win32SystemInfo(own.substr(own.find_last_of('\\') + 1)).ProgramVersion(),
              "2.17.0.301");
    EXPECT_EQ(Win32SystemInfo("qvtest-missing.exe").ProgramVersion(), "");
}
