// The port-sharing driver's Windows calls against Wine's own service manager, file system
// and DOS devices. There is no driver to load: the service steps go as far as a missing
// driver file lets them.

#include "platform/win32/Win32DriverServices.h"

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include <fstream>
#include <optional>
#include <thread>
#include <tuple>
#include <vector>

#include "meter/Instdrv.h"
#include "meter/rig_port.h"
#include "platform/win32/Win32SerialPorts.h"

namespace {

const std::string kUnique = std::to_string(GetCurrentProcessId());

// Type, start and error control as the service manager keeps them; nothing if no service.
std::optional<std::tuple<DWORD, DWORD, DWORD>> Stored(const std::string& name) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = OpenServiceA(manager, name.c_str(), SERVICE_QUERY_CONFIG);
    std::vector<char> buffer(8192);
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
    DWORD needed = 0;
    std::optional<std::tuple<DWORD, DWORD, DWORD>> stored;
    if (service && QueryServiceConfigA(service, config, 8192, &needed))
        stored.emplace(config->dwServiceType, config->dwStartType, config->dwErrorControl);
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return stored;
}

TEST(DriverServicesTest, ServiceLifeWithoutADriverFile) {
    Win32DriverServices os;
    const std::string name = "QVTEST" + kUnique;
    char system[MAX_PATH] = {};
    const std::string driver =
        std::string(system, GetSystemDirectoryA(system, MAX_PATH)) + "\\drivers\\" + name + ".sys";
    const OsHandle manager = os.OpenSCManager(kScManagerAllAccess);
    ASSERT_TRUE(CreateDriverService(os, manager, name, driver)) << os.LastError();
    EXPECT_EQ(Stored(name), std::tuple(DWORD{SERVICE_KERNEL_DRIVER}, DWORD{SERVICE_DEMAND_START},
                                       DWORD{SERVICE_ERROR_NORMAL}));
    EXPECT_FALSE(CreateDriverService(os, manager, name, driver));
    EXPECT_EQ(os.LastError(), uint32_t{ERROR_SERVICE_EXISTS});
    EXPECT_FALSE(StartDriverService(os, manager, name)) << "the driver file is missing";
    EXPECT_FALSE(StopDriverService(os, manager, name));
    EXPECT_EQ(os.LastError(), uint32_t{ERROR_SERVICE_NOT_ACTIVE});
    EXPECT_FALSE(OpenDriverDevice(os, name)) << "no control device";
    EXPECT_TRUE(DeleteDriverService(os, manager, name)) << os.LastError();
    EXPECT_EQ(Stored(name), std::nullopt);
    EXPECT_TRUE(os.CloseServiceHandle(manager));
}

TEST(DriverServicesTest, FilesEnvironmentVersionDevicesAndTheStopBox) {
    Win32DriverServices os;
    char temp[MAX_PATH] = {};
    const std::string folder = std::string(temp, GetTempPathA(MAX_PATH, temp)) + "qv" + kUnique;
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string source = folder + "\\Kestral.sys", target = folder + "\\copy.sys";
    std::ofstream(source, std::ios::binary) << "driver";
    EXPECT_TRUE(os.FileExists(folder + "\\KESTRAL.SYS")) << "the search ignores case";
    EXPECT_FALSE(os.FileExists(target));
    EXPECT_EQ(os.LastError(), uint32_t{ERROR_FILE_NOT_FOUND});
    EXPECT_TRUE(os.CopyFile(source, target, true));
    EXPECT_FALSE(os.CopyFile(source, target, true));
    ASSERT_TRUE(os.SetFileAttributes(target, FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(os.DeleteFile(target));
    EXPECT_EQ(os.LastError(), uint32_t{ERROR_ACCESS_DENIED});
    ASSERT_TRUE(os.SetFileAttributes(target, kFileAttributeNormal));
    EXPECT_TRUE(os.CopyFile(source, target, false) && os.DeleteFile(target) &&
                os.DeleteFile(source));
    RemoveDirectoryA(folder.c_str());
    EXPECT_TRUE(os.FileExists(os.ExecutablePath()));

    // Longer than the first buffer.
    ASSERT_TRUE(SetEnvironmentVariableA("QVTEST_LONG", std::string(1000, 'x').c_str()));
    EXPECT_EQ(os.EnvironmentVariable("QVTEST_LONG"), std::string(1000, 'x'));
    EXPECT_EQ(os.EnvironmentVariable("QVTEST_UNSET" + kUnique), "");
    EXPECT_EQ(os.VersionWord() & kVersionNotNtBit, 0u) << "NT family";

    // COM1 is a serial device to the DOS-device lookup, as the hook request needs.
    Win32SerialPorts ports;
    const std::string device = RigPort(os, ports).GetDosDeviceTarget("COM1");
    EXPECT_EQ(device.rfind("\\Device\\", 0), 0u) << device;
    EXPECT_EQ(device.back(), '\0') << "the list's own terminators are kept";
    uint32_t returned = 0, version = 0;
    EXPECT_FALSE(os.DeviceIoControl(kInvalidHandle, kIoctlKestralGetVersion, nullptr, 0, &version,
                                    sizeof version, returned));
    EXPECT_EQ(os.LastError(), uint32_t{ERROR_INVALID_HANDLE});

    const std::string caption = "qvtest box " + kUnique;
    for (const auto& [button, buttons, answer] :
         {std::tuple{IDNO, MessageBoxButtons::YesNo, MessageBoxAnswer::No},
          {IDYES, MessageBoxButtons::YesNo, MessageBoxAnswer::Yes},
          {IDOK, MessageBoxButtons::Ok, MessageBoxAnswer::Ok}}) {
        std::thread operatorThread([&, button = button] {  // answers once the box shows
            for (int attempt = 0; attempt < 500; ++attempt, Sleep(10))
                if (HWND box = FindWindowA(nullptr, caption.c_str()))
                    return void(PostMessageA(box, WM_COMMAND, button, 0));
        });
        EXPECT_EQ(os.StopMessageBox(caption, "Exit now?", buttons), answer) << button;
        operatorThread.join();
    }
    os.PostQuit();
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
