// The port-sharing driver's Windows calls. Without a driver file the service steps go as far
// as they can.

#include "platform/win32/Win32DriverServices.h"

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include <fstream>
#include <tuple>

#include "meter/Instdrv.h"
#include "meter/rig_port.h"
#include "platform/win32/Win32SerialPorts.h"

// Type, start and error control as the service manager keeps them; zeros if no service.
using Config = std::tuple<DWORD, DWORD, DWORD>;
static Config Stored(const std::string& name) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = OpenServiceA(manager, name.c_str(), SERVICE_QUERY_CONFIG);
    alignas(QUERY_SERVICE_CONFIGA) char buffer[8192];
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer);
    DWORD needed = 0;
    Config stored{};
    if (service && QueryServiceConfigA(service, config, sizeof buffer, &needed))
        stored = {config->dwServiceType, config->dwStartType, config->dwErrorControl};
    CloseServiceHandle(service), CloseServiceHandle(manager);
    return stored;
}

TEST(DriverServicesTest, ServiceLifeWithoutADriverFile) {
    Win32DriverServices os;
    const std::string name = "QVTEST" + std::to_string(GetCurrentProcessId());
    const OsHandle manager = os.OpenSCManager(kScManagerAllAccess);
    ASSERT_TRUE(CreateDriverService(os, manager, name, "C:\\qvtest.sys")) << os.LastError();
    EXPECT_EQ(Stored(name),
              Config(SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL));
    EXPECT_FALSE(CreateDriverService(os, manager, name, "C:\\qvtest.sys"));
    EXPECT_EQ(os.LastError(), uint32_t{ERROR_SERVICE_EXISTS});
    EXPECT_FALSE(StartDriverService(os, manager, name)) << "the driver file is missing";
    EXPECT_FALSE(StopDriverService(os, manager, name));
    EXPECT_EQ(os.LastError(), uint32_t{ERROR_SERVICE_NOT_ACTIVE});
    EXPECT_FALSE(OpenDriverDevice(os, name)) << "no control device";
    EXPECT_TRUE(DeleteDriverService(os, manager, name) && os.CloseServiceHandle(manager));
    EXPECT_EQ(Stored(name), Config{});
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
