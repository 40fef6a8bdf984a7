#include "platform/win32/Win32SerialDevices.h"

#include "platform/win32/WindowsApi.h"

// First, so that devguid.h defines the class GUID rather than only declaring it.
#include <initguid.h>

#include <devguid.h>
#include <setupapi.h>

namespace {

std::string DeviceProperty(HDEVINFO set, SP_DEVINFO_DATA& info, DWORD property) {
    char buffer[512] = {};
    DWORD type = 0;
    if (!::SetupDiGetDeviceRegistryPropertyA(set, &info, property, &type,
                                             reinterpret_cast<BYTE*>(buffer), sizeof buffer - 1,
                                             nullptr) ||
        type != REG_SZ)
        return {};
    return buffer;
}

// The port's own key holds its COM name.
std::string PortName(HDEVINFO set, SP_DEVINFO_DATA& info) {
    const HKEY key = ::SetupDiOpenDevRegKey(set, &info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) return {};
    char buffer[64] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    const LONG status =
        ::RegQueryValueExA(key, "PortName", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_SZ ? buffer : "";
}

// "USB Serial Port (COM5)": the list shows the COM name on its own.
std::string WithoutPortName(std::string name, const std::string& port) {
    const std::string suffix = " (" + port + ")";
    if (name.ends_with(suffix)) name.resize(name.size() - suffix.size());
    return name;
}

}  // namespace

std::vector<SerialDevice> Win32SerialDevices::PresentDevices() {
    std::vector<SerialDevice> found;
    const HDEVINFO set =
        ::SetupDiGetClassDevsA(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) return found;
    SP_DEVINFO_DATA info{};
    info.cbSize = sizeof info;
    for (DWORD i = 0; ::SetupDiEnumDeviceInfo(set, i, &info); ++i) {
        const std::string port = PortName(set, info);
        // Printer ports share the class.
        if (!port.starts_with("COM")) continue;
        std::string name = DeviceProperty(set, info, SPDRP_FRIENDLYNAME);
        if (name.empty()) name = DeviceProperty(set, info, SPDRP_DEVICEDESC);
        found.push_back({port, {}, WithoutPortName(name, port)});
    }
    ::SetupDiDestroyDeviceInfoList(set);
    return found;
}

std::string Win32SerialDevices::ComPortNode(int port) {
    return "COM" + std::to_string(port);
}
