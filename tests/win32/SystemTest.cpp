// The Windows platform layer against Wine's own services: the port-sharing driver's calls,
// the settings file and what the program finds out about itself.

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include <fstream>
#include <tuple>

#include "meter/DriverService.h"
#include "platform/win32/Win32DriverServices.h"
#include "platform/win32/Win32ProfileFile.h"
#include "platform/win32/Win32SystemInfo.h"

static const std::string kName = "qvtest" + std::to_string(GetCurrentProcessId());

// A value of the service's entry as the service manager keeps it; 0 if there is none.
static DWORD Stored(const char* value) {
    const std::string key = "System\\CurrentControlSet\\Services\\" + kName;
    DWORD data = 0, size = sizeof data;
    RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), value, RRF_RT_REG_DWORD, nullptr, &data, &size);
    return data;
}

// Without a driver file the service steps go as far as they can.
TEST(DriverServicesTest, TheDriverFileCopiedAndItsServiceWithoutADriver) {
    Win32DriverServices os;
    // The error a call left; 0 when it succeeded.
    const auto errorOf = [&os](bool succeeded) { return succeeded ? 0 : os.LastError(); };
    char temp[MAX_PATH] = {};
    const std::string file = std::string(temp, GetTempPathA(MAX_PATH, temp)) + kName + ".sys",
                      copy = file + ".copy";
    std::ofstream(file) << "driver";
    EXPECT_EQ(errorOf(os.FileExists(copy)), uint32_t{ERROR_FILE_NOT_FOUND});
    EXPECT_TRUE(os.CopyFile(file, copy, true) && os.CopyFile(file, copy, false)) << "over it";
    EXPECT_FALSE(os.CopyFile(file, copy, true)) << "not over it";
    ASSERT_TRUE(os.SetFileAttributes(copy, FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(errorOf(os.DeleteFile(copy)), uint32_t{ERROR_ACCESS_DENIED});
    EXPECT_TRUE(os.SetFileAttributes(copy, kFileAttributeNormal) && os.DeleteFile(copy) &&
                os.DeleteFile(file));

    const OsHandle manager = os.OpenSCManager(kScManagerAllAccess);
    ASSERT_TRUE(CreateDriverService(os, manager, kName, "C:\\qvtest.sys")) << os.LastError();
    EXPECT_EQ(std::tuple(Stored("Type"), Stored("Start"), Stored("ErrorControl")),
              std::tuple(DWORD{SERVICE_KERNEL_DRIVER}, DWORD{SERVICE_DEMAND_START},
                         DWORD{SERVICE_ERROR_NORMAL}));
    EXPECT_EQ(errorOf(CreateDriverService(os, manager, kName, "C:\\qvtest.sys")),
              uint32_t{ERROR_SERVICE_EXISTS});
    EXPECT_FALSE(StartDriverService(os, manager, kName)) << "the driver file is missing";
    EXPECT_EQ(errorOf(StopDriverService(os, manager, kName)), uint32_t{ERROR_SERVICE_NOT_ACTIVE});
    EXPECT_FALSE(OpenDriverDevice(os, kName)) << "no control device";
    EXPECT_TRUE(DeleteDriverService(os, manager, kName) && os.CloseServiceHandle(manager));
}

TEST(SystemTest, TheSettingsFileTheProgramsOwnFileAndTheSystem) {
    // A bare name is a file in the Windows folder.
    char folder[MAX_PATH] = {};
    const std::string path =
        std::string(folder, GetWindowsDirectoryA(folder, MAX_PATH)) + "\\" + kName + ".ini";
    std::ofstream(path, std::ios::binary) << "[MISC]\r\nGain =  2.25  \r\n[ELSEWHERE]\r\nA=1\r\n";
    Win32ProfileFile settings(kName + ".ini");
    EXPECT_EQ(settings.Read("misc", "GAIN"), "2.25")
        << "names match without regard to case, trimmed";
    EXPECT_EQ(settings.Read("ELSEWHERE", "Gain"), std::nullopt);
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
    const Win32SystemInfo info;
    EXPECT_TRUE(info.LocaleDecimalSeparator() == '.' || info.LocaleDecimalSeparator() == ',');
}
