#include "platform/linux/LinuxDriverServices.h"

#include <unistd.h>

#include <chrono>
#include <thread>

OsHandle LinuxDriverServices::OpenSCManager(uint32_t) {
    NotImplemented();
    return kNullHandle;
}

OsHandle LinuxDriverServices::CreateService(OsHandle, const ServiceConfig&) {
    NotImplemented();
    return kNullHandle;
}

OsHandle LinuxDriverServices::OpenService(OsHandle, const std::string&, uint32_t) {
    NotImplemented();
    return kNullHandle;
}

bool LinuxDriverServices::StartService(OsHandle) {
    return NotImplemented();
}
bool LinuxDriverServices::ControlService(OsHandle, uint32_t) {
    return NotImplemented();
}
bool LinuxDriverServices::DeleteService(OsHandle) {
    return NotImplemented();
}
bool LinuxDriverServices::CloseServiceHandle(OsHandle) {
    return NotImplemented();
}

OsHandle LinuxDriverServices::CreateFile(const std::string&, uint32_t, uint32_t, uint32_t,
                                         uint32_t) {
    NotImplemented();
    return kInvalidHandle;
}

bool LinuxDriverServices::CloseHandle(OsHandle) {
    return NotImplemented();
}

bool LinuxDriverServices::DeviceIoControl(OsHandle, uint32_t, const void*, uint32_t, void*,
                                          uint32_t, uint32_t& bytesReturned) {
    bytesReturned = 0;
    return NotImplemented();
}

uint32_t LinuxDriverServices::QueryDosDevice(const std::string&, char*, uint32_t) {
    NotImplemented();
    return 0;
}

bool LinuxDriverServices::FileExists(const std::string&) {
    return NotImplemented();
}
bool LinuxDriverServices::CopyFile(const std::string&, const std::string&, bool) {
    return NotImplemented();
}
bool LinuxDriverServices::SetFileAttributes(const std::string&, uint32_t) {
    return NotImplemented();
}
bool LinuxDriverServices::DeleteFile(const std::string&) {
    return NotImplemented();
}

std::string LinuxDriverServices::EnvironmentVariable(const std::string&) {
    NotImplemented();
    return {};
}

uint32_t LinuxDriverServices::VersionWord() {
    return kVersionNotNtBit;
}

// Real, so that the start-up log names where the driver file would have been looked for.
std::string LinuxDriverServices::ExecutablePath() {
    char buffer[4096];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) {
        NotImplemented();
        return {};
    }
    return std::string(buffer, static_cast<std::size_t>(length));
}

void LinuxDriverServices::Sleep(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

MessageBoxAnswer LinuxDriverServices::StopMessageBox(const std::string&, const std::string&,
                                                     MessageBoxButtons) {
    NotImplemented();
    return MessageBoxAnswer::Failed;
}
