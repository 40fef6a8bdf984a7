// The port-sharing driver's Windows calls. Without a driver file the service steps go as far
// as they can.

#include "platform/win32/Win32DriverServices.h"

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include <fstream>

#include "meter/Instdrv.h"
#include "meter/rig_port.h"
#include "platform/win32/Win32SerialPorts.h"

// A value of the service's entry as the service manager keeps it; 0 if there is none.
static DWORD Stored(const std::string& name, const char* value) {
    const std::string key = "System\\CurrentControlSet\\Services\\" + name;
    DWORD data = 0, size = sizeof data;
    RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), value, RRF_RT_REG_DWORD, nullptr, &data, &size);
    return data;
}

TEST(DriverServicesTest, ServiceLifeWithoutADriverFile) {
    Win32DriverServices os;
    const std::string name = "QVTEST" + std::to_string(GetCurrentProcessId());
    const OsHandle manager = os.OpenSCManager(kScManagerAllAccess);
    ASSERT_TRUE(CreateDriverService(os, manager, name, "C:\\qvtest.sys")) << os.LastError();
    for (const auto& [value, expected] : {std::pair{"Type", SERVICE_KERNEL_DRIVER},
                                          {"Start", SERVICE_DEMAND_START},
                                          {"ErrorControl", SERVICE_ERROR_NORMAL}})
        EXPECT_EQ(Stored(name, value), DWORD(expected)) << value;
    EXPECT_FALSE(CreateDriverService(os, manager, name, "C:\\qvtest.sys"));
    EXPECT_EQ(os.LastError(), uint32_t{ERROR_SERVICE_EXISTS});
    EXPECT_FALSE(StartDriverService(os, manager, name)) << "the driver file is missing";
    EXPECT_FALSE(StopDriverService(os, manager, name));
    EXPECT_EQ(os.LastError(), uint32_t{ERROR_SERVICE_NOT_ACTIVE});
    EXPECT_FALSE(OpenDriverDevice(os, name)) << "no control device";
    EXPECT_TRUE(DeleteDriverService(os, manager, name) && os.CloseServiceHandle(manager));
    EXPECT_EQ(Stored(name, "Type"), 0u) << "the entry is gone";
}

TEST(DriverServicesTest, FilesEnvironmentAndDevices) {
    Win32DriverServices os;
    const std::string name = std::to_string(GetCurrentProcessId());
    char temp[MAX_PATH] = {};
    const std::string file = std::string(temp, GetTempPathA(MAX_PATH, temp)) + "qv" + name + ".sys",
                      copy = file + ".copy";
    std::ofstream(file) << "driver";
    EXPECT_FALSE(os.FileExists(copy));
    EXPECT_EQ(os.LastError(), uint32_t{ERROR_FILE_NOT_FOUND});
    EXPECT_TRUE(os.CopyFile(file, copy, true) && os.CopyFile(file, copy, false)) << "over it";
    EXPECT_FALSE(os.CopyFile(file, copy, true)) << "not over it";
    ASSERT_TRUE(os.SetFileAttributes(copy, FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(os.DeleteFile(copy));
    EXPECT_EQ(os.LastError(), uint32_t{ERROR_ACCESS_DENIED});
    EXPECT_TRUE(os.SetFileAttributes(copy, kFileAttributeNormal) && os.DeleteFile(copy) &&
                os.DeleteFile(file) && os.FileExists(os.ExecutablePath()));
    ASSERT_TRUE(SetEnvironmentVariableA("QVTEST_LONG", std::string(1000, 'x').c_str()));
    EXPECT_EQ(os.EnvironmentVariable("QVTEST_LONG"), std::string(1000, 'x')) << "the buffer grows";
    // COM1 is a serial device to the DOS-device lookup, as the hook request needs.
    Win32SerialPorts ports;
    const std::string device = RigPort(os, ports).GetDosDeviceTarget("COM1");
    EXPECT_EQ(device.rfind("\\Device\\", 0), 0u) << device;
    EXPECT_EQ(device.back(), '\0') << "the list's own terminators are kept";
}
