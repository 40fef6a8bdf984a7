// The port-sharing driver's Windows calls against Wine's own service manager, file system
// and DOS devices. There is no driver to load, so the service steps go as far as a driver
// file that is missing lets them.

#include "platform/win32/Win32DriverServices.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <thread>
#include <vector>

#include "meter/Instdrv.h"
#include "meter/rig_port.h"
#include "platform/win32/Win32SerialPorts.h"

namespace {

std::string Unique(const std::string& stem) {
    return stem + std::to_string(GetCurrentProcessId());
}

std::string SystemDirectory() {
    char buffer[MAX_PATH] = {};
    return std::string(buffer, GetSystemDirectoryA(buffer, MAX_PATH));
}

// The service's configuration as the service manager keeps it.
struct StoredService {
    DWORD type = 0;
    DWORD start = 0;
    DWORD errorControl = 0;
    std::string binaryPath;
    std::string displayName;
};

bool QueryStoredService(const std::string& name, StoredService& stored) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = OpenServiceA(manager, name.c_str(), SERVICE_QUERY_CONFIG);
    DWORD needed = 0;
    QueryServiceConfigA(service, nullptr, 0, &needed);
    std::vector<char> buffer(needed == 0 ? 1 : needed);
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
    const bool ok =
        service != nullptr &&
        QueryServiceConfigA(service, config, static_cast<DWORD>(buffer.size()), &needed);
    if (ok) {
        stored = {config->dwServiceType, config->dwStartType, config->dwErrorControl,
                  config->lpBinaryPathName ? config->lpBinaryPathName : "",
                  config->lpDisplayName ? config->lpDisplayName : ""};
    }
    if (service) CloseServiceHandle(service);
    if (manager) CloseServiceHandle(manager);
    return ok;
}

TEST(DriverServicesTest, ServiceLifeWithoutADriverFile) {
    Win32DriverServices os;
    const std::string name = Unique("QVTEST");
    const std::string driverPath = SystemDirectory() + "\\drivers\\" + name + ".sys";

    const OsHandle manager = os.openSCManager(kScManagerAllAccess);
    ASSERT_NE(manager, kNullHandle) << os.lastError();
    ASSERT_TRUE(CreateDriverService(os, manager, name, driverPath)) << os.lastError();

    StoredService stored;
    ASSERT_TRUE(QueryStoredService(name, stored));
    EXPECT_EQ(stored.type, static_cast<DWORD>(SERVICE_KERNEL_DRIVER));
    EXPECT_EQ(stored.start, static_cast<DWORD>(SERVICE_DEMAND_START));
    EXPECT_EQ(stored.errorControl, static_cast<DWORD>(SERVICE_ERROR_NORMAL));
    EXPECT_NE(stored.binaryPath.find(name + ".sys"), std::string::npos) << stored.binaryPath;
    EXPECT_EQ(stored.displayName, name);

    EXPECT_FALSE(CreateDriverService(os, manager, name, driverPath));
    EXPECT_EQ(os.lastError(), static_cast<uint32_t>(ERROR_SERVICE_EXISTS));
    EXPECT_FALSE(StartDriverService(os, manager, name)) << "the driver file is missing";
    EXPECT_NE(os.lastError(), 0u);
    EXPECT_FALSE(StopDriverService(os, manager, name));
    EXPECT_EQ(os.lastError(), static_cast<uint32_t>(ERROR_SERVICE_NOT_ACTIVE));
    EXPECT_FALSE(OpenDriverDevice(os, name)) << "no control device";

    EXPECT_TRUE(DeleteDriverService(os, manager, name)) << os.lastError();
    EXPECT_FALSE(DeleteDriverService(os, manager, name));
    EXPECT_EQ(os.lastError(), static_cast<uint32_t>(ERROR_SERVICE_DOES_NOT_EXIST));
    EXPECT_TRUE(os.closeServiceHandle(manager));

    // The whole install-and-open: it fails at the device and reports the open's error,
    // leaving the service entry for UninstallDriver to remove.
    OsHandle device = kInvalidHandle;
    uint32_t error = 0;
    EXPECT_FALSE(InstallAndOpenDriver(os, name, driverPath, device, error));
    EXPECT_EQ(device, kInvalidHandle);
    EXPECT_NE(error, 0u);
    EXPECT_TRUE(QueryStoredService(name, stored));
    UninstallDriver(os, name);
    EXPECT_FALSE(QueryStoredService(name, stored));
}

TEST(DriverServicesTest, FilesCopyDeleteAndCaseBlindSearch) {
    Win32DriverServices os;
    char temp[MAX_PATH] = {};
    const std::string folder = std::string(temp, GetTempPathA(MAX_PATH, temp)) + Unique("qvtest");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string source = folder + "\\Kestral.sys";
    const std::string target = folder + "\\copy.sys";
    std::ofstream(source, std::ios::binary) << "driver";

    EXPECT_TRUE(os.fileExists(folder + "\\KESTRAL.SYS"));
    EXPECT_FALSE(os.fileExists(folder + "\\missing.sys"));
    EXPECT_EQ(os.lastError(), static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));

    EXPECT_TRUE(os.copyFile(source, target, true));
    EXPECT_FALSE(os.copyFile(source, target, true));
    EXPECT_EQ(os.lastError(), static_cast<uint32_t>(ERROR_FILE_EXISTS));
    ASSERT_TRUE(os.setFileAttributes(target, FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(os.deleteFile(target));
    EXPECT_EQ(os.lastError(), static_cast<uint32_t>(ERROR_ACCESS_DENIED));
    ASSERT_TRUE(os.setFileAttributes(target, kFileAttributeNormal));
    EXPECT_TRUE(os.copyFile(source, target, false));
    EXPECT_TRUE(os.deleteFile(target));
    EXPECT_FALSE(os.fileExists(target));

    // The program's own folder, as the sharing decision looks for the driver there.
    const std::string program = os.executablePath();
    EXPECT_TRUE(os.fileExists(ExecutableDirectory(program) +
                              program.substr(program.find_last_of('\\') + 1)))
        << program;

    DeleteFileA(source.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST(DriverServicesTest, EnvironmentVersionAndDosDevices) {
    Win32DriverServices os;
    char windows[MAX_PATH] = {};
    const std::string windowsDirectory(windows, GetWindowsDirectoryA(windows, MAX_PATH));
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE,
                             os.environmentVariable("SYSTEMROOT").c_str(), -1,
                             windowsDirectory.c_str(), -1),
              CSTR_EQUAL);
    EXPECT_EQ(os.environmentVariable(Unique("QVTEST_UNSET")), "");
    const std::string longValue(1000, 'x');
    ASSERT_TRUE(SetEnvironmentVariableA("QVTEST_LONG", longValue.c_str()));
    EXPECT_EQ(os.environmentVariable("QVTEST_LONG"), longValue);

    EXPECT_EQ(os.versionWord() & kVersionNotNtBit, 0u) << "NT family";

    // COM1 is a serial device to the DOS-device lookup, as the hook request needs.
    Win32SerialPorts ports;
    RigPort rigPort(os, ports);
    const std::string target = rigPort.GetDosDeviceTarget("COM1");
    EXPECT_EQ(target.rfind("\\Device\\", 0), 0u) << target;
    EXPECT_EQ(target.back(), '\0') << "the list's own terminators are kept";
    EXPECT_EQ(rigPort.GetDosDeviceTarget(Unique("QVNODEV")), "");

    const OsHandle device = os.createFile("\\\\.\\Global\\" + Unique("QVTEST"), kGenericReadWrite,
                                          0, kOpenExisting, kFileAttributeNormal);
    EXPECT_EQ(device, kInvalidHandle);
    uint32_t returned = 99;
    uint32_t version = 0;
    EXPECT_FALSE(os.deviceIoControl(kInvalidHandle, IOCTL_KESTRAL_GET_VERSION, nullptr, 0, &version,
                                    sizeof version, returned));
    EXPECT_EQ(os.lastError(), static_cast<uint32_t>(ERROR_INVALID_HANDLE));
}

TEST(DriverServicesTest, StopBoxAnswersAndQuitRequest) {
    Win32DriverServices os;
    const std::string caption = Unique("qvtest box ");
    const struct {
        int button;
        MessageBoxButtons buttons;
        MessageBoxAnswer answer;
    } answers[] = {{IDNO, MessageBoxButtons::YesNo, MessageBoxAnswer::No},
                   {IDYES, MessageBoxButtons::YesNo, MessageBoxAnswer::Yes},
                   {IDOK, MessageBoxButtons::Ok, MessageBoxAnswer::Ok}};
    for (const auto& a : answers) {
        // The operator answers once the box shows.
        std::thread operatorThread([&] {
            for (int attempt = 0; attempt < 500; ++attempt, Sleep(10)) {
                if (HWND box = FindWindowA(nullptr, caption.c_str())) {
                    PostMessageA(box, WM_COMMAND, a.button, 0);
                    return;
                }
            }
        });
        EXPECT_EQ(os.stopMessageBox(caption, "Exit now?", a.buttons), a.answer) << a.button;
        operatorThread.join();
    }

    os.postQuit();
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
