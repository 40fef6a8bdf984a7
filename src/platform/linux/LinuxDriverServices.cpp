#include "platform/linux/LinuxDriverServices.h"

#include <unistd.h>

#include <chrono>
#include <thread>

OsHandle LinuxDriverServices::openSCManager(uint32_t) {
    notImplemented();
    return kNullHandle;
}

OsHandle LinuxDriverServices::createService(OsHandle, const ServiceConfig&) {
    notImplemented();
    return kNullHandle;
}

OsHandle LinuxDriverServices::openService(OsHandle, const std::string&, uint32_t) {
    notImplemented();
    return kNullHandle;
}

bool LinuxDriverServices::startService(OsHandle) {
    return notImplemented();
}
bool LinuxDriverServices::controlService(OsHandle, uint32_t) {
    return notImplemented();
}
bool LinuxDriverServices::deleteService(OsHandle) {
    return notImplemented();
}
bool LinuxDriverServices::closeServiceHandle(OsHandle) {
    return notImplemented();
}

OsHandle LinuxDriverServices::createFile(const std::string&, uint32_t, uint32_t, uint32_t,
                                         uint32_t) {
    notImplemented();
    return kInvalidHandle;
}

bool LinuxDriverServices::closeHandle(OsHandle) {
    return notImplemented();
}

bool LinuxDriverServices::deviceIoControl(OsHandle, uint32_t, const void*, uint32_t, void*,
                                          uint32_t, uint32_t& bytesReturned) {
    bytesReturned = 0;
    return notImplemented();
}

uint32_t LinuxDriverServices::queryDosDevice(const std::string&, char*, uint32_t) {
    notImplemented();
    return 0;
}

bool LinuxDriverServices::fileExists(const std::string&) {
    return notImplemented();
}
bool LinuxDriverServices::copyFile(const std::string&, const std::string&, bool) {
    return notImplemented();
}
bool LinuxDriverServices::setFileAttributes(const std::string&, uint32_t) {
    return notImplemented();
}
bool LinuxDriverServices::deleteFile(const std::string&) {
    return notImplemented();
}

std::string LinuxDriverServices::environmentVariable(const std::string&) {
    notImplemented();
    return {};
}

uint32_t LinuxDriverServices::versionWord() {
    return kVersionNotNtBit;
}

// Real, so that the start-up log names where the driver file would have been looked for.
std::string LinuxDriverServices::executablePath() {
    char buffer[4096];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) {
        notImplemented();
        return {};
    }
    return std::string(buffer, static_cast<std::size_t>(length));
}

void LinuxDriverServices::sleep(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

MessageBoxAnswer LinuxDriverServices::stopMessageBox(const std::string&, const std::string&,
                                                     MessageBoxButtons) {
    notImplemented();
    return MessageBoxAnswer::Failed;
}

// The driver never loads here, so nothing reaches this; ending the program from a layer
// that has no driver to report on would be worse than carrying on.
void LinuxDriverServices::postQuit() {
    notImplemented();
}
