#include "meter/Instdrv.h"

namespace {

// Runs `action` on the opened service and closes it again; false when it does not open.
template <typename Action>
bool WithService(DriverServices& os, OsHandle manager, const std::string& name, Action action) {
    const OsHandle service = os.openService(manager, name, kServiceAllAccess);
    if (service == kNullHandle) return false;
    const bool result = action(service);
    os.closeServiceHandle(service);
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
    const OsHandle service = os.createService(manager, config);
    if (service == kNullHandle) return false;
    os.closeServiceHandle(service);
    return true;
}

bool StartDriverService(DriverServices& os, OsHandle manager, const std::string& name) {
    return WithService(os, manager, name, [&os](OsHandle service) {
        if (os.startService(service)) return true;
        const uint32_t error = os.lastError();
        return error == kErrorServiceAlreadyRunning || error == kErrorServiceDisabled;
    });
}

std::string DriverDeviceName(const std::string& name, uint32_t versionWord) {
    const uint32_t major = versionWord & 0xFF;
    return (major >= 5 ? "\\\\.\\Global\\" : "\\\\.\\") + name;
}

bool OpenDriverDevice(DriverServices& os, const std::string& name, OsHandle* handle) {
    const OsHandle device =
        os.createFile(DriverDeviceName(name, os.versionWord()), kGenericReadWrite, 0, kOpenExisting,
                      kFileAttributeNormal);
    if (device == kInvalidHandle) return false;
    if (handle != nullptr) {
        *handle = device;
    } else {
        os.closeHandle(device);
    }
    return true;
}

bool StopDriverService(DriverServices& os, OsHandle manager, const std::string& name) {
    return WithService(os, manager, name, [&os](OsHandle service) {
        return os.controlService(service, kServiceControlStop);
    });
}

bool DeleteDriverService(DriverServices& os, OsHandle manager, const std::string& name) {
    return WithService(os, manager, name,
                       [&os](OsHandle service) { return os.deleteService(service); });
}

void UninstallDriver(DriverServices& os, const std::string& name) {
    const OsHandle manager = os.openSCManager(kScManagerAllAccess);
    if (manager == kNullHandle) return;
    StopDriverService(os, manager, name);
    DeleteDriverService(os, manager, name);
    os.closeServiceHandle(manager);
}

bool InstallAndOpenDriver(DriverServices& os, const std::string& name,
                          const std::string& driverPath, OsHandle& handle, uint32_t& error) {
    // Without rights on the manager a driver left running by an earlier start can still be
    // opened, so only the service steps are skipped.
    const OsHandle manager = os.openSCManager(kScManagerAllAccess);
    if (manager != kNullHandle) {
        DeleteDriverService(os, manager, name);
        CreateDriverService(os, manager, name, driverPath);
        StartDriverService(os, manager, name);
    }
    const bool opened = OpenDriverDevice(os, name, &handle);
    error = os.lastError();
    if (manager != kNullHandle) os.closeServiceHandle(manager);
    return opened;
}
