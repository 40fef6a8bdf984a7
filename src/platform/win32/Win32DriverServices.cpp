#include "platform/win32/Win32DriverServices.h"

#include "platform/win32/Win32Error.h"
#include "platform/win32/WindowsApi.h"

#include <vector>

namespace {

SC_HANDLE Service(OsHandle handle) {
    return reinterpret_cast<SC_HANDLE>(handle);
}

HANDLE File(OsHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

OsHandle Os(const void* handle) {
    return reinterpret_cast<OsHandle>(handle);
}

// Empty optional strings go to the call as null, as "no dependencies" and the like require.
const char* OrNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

template <typename T>
T Win32DriverServices::Note(T result) {
    lastError_ = GetLastError();
    return result;
}

OsHandle Win32DriverServices::OpenSCManager(uint32_t desiredAccess) {
    return Note(Os(OpenSCManagerA(nullptr, nullptr, desiredAccess)));
}

OsHandle Win32DriverServices::CreateService(OsHandle manager, const ServiceConfig& config) {
    return Note(Os(CreateServiceA(Service(manager), config.name.c_str(), OrNull(config.displayName),
                                  config.desiredAccess, config.serviceType, config.startType,
                                  config.errorControl, config.binaryPath.c_str(), nullptr, nullptr,
                                  nullptr, nullptr, nullptr)));
}

OsHandle Win32DriverServices::OpenService(OsHandle manager, const std::string& name,
                                          uint32_t desiredAccess) {
    return Note(Os(OpenServiceA(Service(manager), name.c_str(), desiredAccess)));
}

bool Win32DriverServices::StartService(OsHandle service) {
    return Note(StartServiceA(Service(service), 0, nullptr) != FALSE);
}

bool Win32DriverServices::ControlService(OsHandle service, uint32_t control) {
    SERVICE_STATUS status{};
    return Note(::ControlService(Service(service), control, &status) != FALSE);
}

bool Win32DriverServices::DeleteService(OsHandle service) {
    return Note(::DeleteService(Service(service)) != FALSE);
}

bool Win32DriverServices::CloseServiceHandle(OsHandle handle) {
    return Note(::CloseServiceHandle(Service(handle)) != FALSE);
}

OsHandle Win32DriverServices::CreateFile(const std::string& name, uint32_t access,
                                         uint32_t shareMode, uint32_t creation,
                                         uint32_t attributes) {
    return Note(
        Os(CreateFileA(name.c_str(), access, shareMode, nullptr, creation, attributes, nullptr)));
}

bool Win32DriverServices::CloseHandle(OsHandle handle) {
    return Note(::CloseHandle(File(handle)) != FALSE);
}

bool Win32DriverServices::DeviceIoControl(OsHandle device, uint32_t code, const void* input,
                                          uint32_t inputSize, void* output, uint32_t outputSize,
                                          uint32_t& bytesReturned) {
    DWORD returned = 0;
    // The call takes a non-const input buffer; the driver's codes only read it.
    const BOOL ok = ::DeviceIoControl(File(device), code, const_cast<void*>(input), inputSize,
                                      output, outputSize, &returned, nullptr);
    bytesReturned = returned;
    return Note(ok != FALSE);
}

uint32_t Win32DriverServices::QueryDosDevice(const std::string& deviceName, char* target,
                                             uint32_t maxChars) {
    return Note(static_cast<uint32_t>(QueryDosDeviceA(deviceName.c_str(), target, maxChars)));
}

bool Win32DriverServices::FileExists(const std::string& path) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    Note(0);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

bool Win32DriverServices::CopyFile(const std::string& from, const std::string& to,
                                   bool failIfExists) {
    return Note(CopyFileA(from.c_str(), to.c_str(), failIfExists) != FALSE);
}

bool Win32DriverServices::SetFileAttributes(const std::string& path, uint32_t attributes) {
    return Note(SetFileAttributesA(path.c_str(), attributes) != FALSE);
}

bool Win32DriverServices::DeleteFile(const std::string& path) {
    return Note(DeleteFileA(path.c_str()) != FALSE);
}

std::string Win32DriverServices::EnvironmentVariable(const std::string& name) {
    std::vector<char> value(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableA(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
        Note(0);
        if (length == 0) return {};
        // Too small: the call returns the size it needs, terminator included.
        if (length < value.size()) return std::string(value.data(), length);
        value.resize(length);
    }
}

uint32_t Win32DriverServices::VersionWord() {
    return GetVersion();
}

std::string Win32DriverServices::ExecutablePath() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        Note(0);
        if (length == 0) return {};
        if (length < path.size()) return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

void Win32DriverServices::Sleep(uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

MessageBoxAnswer Win32DriverServices::StopMessageBox(const std::string& caption,
                                                     const std::string& text,
                                                     MessageBoxButtons buttons) {
    const UINT style = MB_ICONSTOP | (buttons == MessageBoxButtons::YesNo ? MB_YESNO : MB_OK);
    switch (Note(MessageBoxA(nullptr, text.c_str(), caption.c_str(), style))) {
        case IDOK:
            return MessageBoxAnswer::Ok;
        case IDYES:
            return MessageBoxAnswer::Yes;
        case IDNO:
            return MessageBoxAnswer::No;
        default:
            return MessageBoxAnswer::Failed;
    }
}

bool Win32DriverServices::RunsOn64BitWindows() {
#ifdef _WIN64
    return true;
#else
    BOOL emulated = FALSE;
    return IsWow64Process(GetCurrentProcess(), &emulated) && emulated;
#endif
}

std::string Win32DriverServices::ErrorText(uint32_t code) {
    return SystemErrorText(code);
}
