#include "meter/DriverService.h"

namespace {

// Runs `action` on the opened service and closes it again; false when it does not open.
template <typename Action>
bool WithService(DriverServices& os, OsHandle manager, const std::string& name, Action action) {
    const OsHandle service = os.OpenService(manager, name, kServiceAllAccess);
    if (service == kNullHandle) return false;
    const bool result = action(service);
    os.CloseServiceHandle(service);
    return result;
}

}  // namespace

bool CreateDriverService(DriverServices& os, OsHandle manager, const std::string& name,
                         const std::string& driverPath) {
    const ServiceConfig config{name,
                               name,
                               kServiceAllAccess,
                               kServiceKernelDriver,
                               kServiceDemandStart,
                               kServiceErrorNormal,
                               driverPath};
    const OsHandle service = os.CreateService(manager, config);
    if (service == kNullHandle) return false;
    os.CloseServiceHandle(service);
    return true;
}

bool StartDriverService(DriverServices& os, OsHandle manager, const std::string& name) {
    return WithService(os, manager, name, [&os](OsHandle service) {
        if (os.StartService(service)) return true;
        const uint32_t error = os.LastError();
        return error == kErrorServiceAlreadyRunning || error == kErrorServiceDisabled;
    });
}

std::string DriverDeviceName(const std::string& name, uint32_t versionWord) {
    const uint32_t major = versionWord & 0xFF;
    return (major >= 5 ? "\\\\.\\Global\\" : "\\\\.\\") + name;
}

bool OpenDriverDevice(DriverServices& os, const std::string& name, OsHandle* handle) {
    const OsHandle device =
        os.CreateFile(DriverDeviceName(name, os.VersionWord()), kGenericReadWrite, 0, kOpenExisting,
                      kFileAttributeNormal);
    if (device == kInvalidHandle) return false;
    if (handle != nullptr) {
        *handle = device;
    } else {
        os.CloseHandle(device);
    }
    return true;
}

bool StopDriverService(DriverServices& os, OsHandle manager, const std::string& name) {
    return WithService(os, manager, name, [&os](OsHandle service) {
        return os.ControlService(service, kServiceControlStop);
    });
}

bool DeleteDriverService(DriverServices& os, OsHandle manager, const std::string& name) {
    return WithService(os, manager, name,
                       [&os](OsHandle service) { return os.DeleteService(service); });
}

void UninstallDriver(DriverServices& os, const std::string& name) {
    const OsHandle manager = os.OpenSCManager(kScManagerAllAccess);
    if (manager == kNullHandle) return;
    StopDriverService(os, manager, name);
    DeleteDriverService(os, manager, name);
    os.CloseServiceHandle(manager);
}

bool InstallAndOpenDriver(DriverServices& os, const std::string& name,
                          const std::string& driverPath, OsHandle& handle, uint32_t& error) {
    // Without rights on the manager a driver left running by an earlier start can still be
    // opened, so only the service steps are skipped.
    const OsHandle manager = os.OpenSCManager(kScManagerAllAccess);
    if (manager != kNullHandle) {
        DeleteDriverService(os, manager, name);
        CreateDriverService(os, manager, name, driverPath);
        StartDriverService(os, manager, name);
    }
    const bool opened = OpenDriverDevice(os, name, &handle);
    error = os.LastError();
    if (manager != kNullHandle) os.CloseServiceHandle(manager);
    return opened;
}
