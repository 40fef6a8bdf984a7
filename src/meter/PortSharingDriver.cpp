#include "meter/PortSharingDriver.h"

#include <algorithm>
#include <utility>

#include "meter/DriverService.h"

namespace {

constexpr uint32_t kDosNameChars = 260;
constexpr uint32_t kUnloadWaitMs = 100;

// The lookup wants the bare DOS name, also for ports opened as "\\.\COM12".
std::string BareDosName(const std::string& portName) {
    const std::string prefix = "\\\\.\\";
    return portName.starts_with(prefix) ? portName.substr(prefix.size()) : portName;
}

}  // namespace

std::string ExecutableDirectory(const std::string& executablePath) {
    const auto cut = executablePath.find_last_of("\\/:");
    return cut == std::string::npos ? std::string() : executablePath.substr(0, cut + 1);
}

std::unique_ptr<SerialPort> PortSharingDriver::HookComPort(const std::string& portName,
                                                           uint32_t& error) {
    // After one failure the session opens its ports directly: trying again at every
    // reconnection would only repeat the note.
    if (!driverLoaded_ && !gaveUp_) driverLoaded_ = LoadPortDriver();
    std::string openName = portName;
    if (driverLoaded_) {
        if (SendHookRequest(portName)) {
            openName = kSharedPortDevice;
        } else {
            UnloadPortDriver();
            driverLoaded_ = false;
        }
    }
    return ports_.Open(openName, error);
}

bool PortSharingDriver::LoadPortDriver() {
    isNT_ = (os_.VersionWord() & kVersionNotNtBit) == 0;
    // A 32-bit kernel driver never loads on 64-bit Windows: not even tried there.
    if (!isNT_ || os_.RunsOn64BitWindows()) return false;

    // Only the copy the start-up check found beside the program is installed: a file from
    // the working directory or the search path could be anyone's.
    const std::string source = ExecutableDirectory(os_.ExecutablePath()) + kKestralDriverFile;
    if (!os_.FileExists(source)) {
        ReportDriverError("KESTRAL.SYS was not found beside the program.", os_.LastError());
        return false;
    }
    const std::string systemRoot = os_.EnvironmentVariable("SYSTEMROOT");
    if (systemRoot.empty()) {
        ReportDriverError("Could not resolve SYSTEMROOT environment variable", os_.LastError());
        return false;
    }
    const std::string target = systemRoot + "\\system32\\drivers\\" + kKestralDriverFile;

    uint32_t error = 0;
    // A driver left installed by an earlier run is used as it is.
    if (!InstallAndOpenDriver(os_, kKestralServiceName, target, driverHandle_, error)) {
        if (!os_.CopyFile(source, target, false)) {
            ReportDriverError("Unable to copy KESTRAL.SYS to " + target + ".", os_.LastError());
            return false;
        }
        os_.SetFileAttributes(target, kFileAttributeNormal);
        bool opened = InstallAndOpenDriver(os_, kKestralServiceName, target, driverHandle_, error);
        if (!opened) {
            UninstallDriver(os_, kKestralServiceName);
            os_.Sleep(kUnloadWaitMs);
            opened = InstallAndOpenDriver(os_, kKestralServiceName, target, driverHandle_, error);
        }
        // The running driver no longer needs its file; the next start copies it again.
        os_.DeleteFile(target);
        if (!opened) {
            ReportDriverError("Error loading KESTRAL (" + source + ").", error);
            return false;
        }
    }
    return CheckDriverVersion();
}

bool PortSharingDriver::CheckDriverVersion() {
    uint32_t version = 0;
    uint32_t returned = 0;
    const bool answered = os_.DeviceIoControl(driverHandle_, kIoctlKestralGetVersion, nullptr, 0,
                                              &version, sizeof version, returned);
    if (answered && version == kKestralDriverVersion) return true;
    // Closed first so that the service can stop while the error is reported.
    CloseDriverHandle();
    ReportDriverError(
        "Kestral GUI located a driver with the wrong version. If you just installed a new "
        "version you must reboot before you are able to use it.",
        0);
    return false;
}

void PortSharingDriver::UnloadPortDriver() {
    if (!isNT_) {
        CloseDriverHandle();
        return;
    }
    uint32_t outstanding = 0;
    if (!os_.DeviceIoControl(driverHandle_, kIoctlKestralQueryUnload, nullptr, 0, nullptr, 0,
                             outstanding)) {
        ReportDriverError("Couldn't access device driver", os_.LastError());
        return;
    }
    if (outstanding != 0) {
        // The service stays running either way; it unloads once its requests are done.
        const std::string question =
            "The Kestral device driver cannot unload\n"
            " at this time due to oustanding requests.\n"
            "\n"
            " Do you wish to exit the GUI now?";
        if (os_.StopMessageBox(os_.ExecutablePath(), question, MessageBoxButtons::YesNo) ==
            MessageBoxAnswer::Yes) {
            CloseDriverHandle();
        }
        return;
    }
    UninstallDriver(os_, kKestralServiceName);
    CloseDriverHandle();
}

bool PortSharingDriver::SendHookRequest(const std::string& portName) {
    const std::string target = GetDosDeviceTarget(BareDosName(portName));
    if (target.empty()) return false;
    // The target already ends in its list's NULs; the driver wants one more.
    uint32_t returned = 0;
    return os_.DeviceIoControl(driverHandle_, kIoctlKestralHookPort, target.c_str(),
                               static_cast<uint32_t>(target.size() + 1), nullptr, 0, returned);
}

std::string PortSharingDriver::GetDosDeviceTarget(const std::string& dosName) {
    char buffer[kDosNameChars] = {};
    const uint32_t stored = os_.QueryDosDevice(dosName, buffer, kDosNameChars);
    return std::string(buffer, std::min(stored, kDosNameChars));
}

void PortSharingDriver::ReportDriverError(std::string message, uint32_t code) {
    if (isNT_) UninstallDriver(os_, kKestralServiceName);
    // The system's own reason (577: not signed, 193: not a driver for this Windows, 1275:
    // blocked, 5: no rights) says more than any guess.
    if (code != 0) {
        const std::string text = os_.ErrorText(code);
        message += " Error " + std::to_string(code) + (text.empty() ? "" : ": " + text) + ".";
    }
    if (code == kErrorAccessDenied) message += " Loading the driver needs administrator rights.";
    // This may run on the serial worker thread: the note is only kept here, for the
    // caller to show, and the program goes on with the port opened directly.
    note_ = std::move(message);
    gaveUp_ = true;
}

std::string PortSharingDriver::TakeNote() {
    return std::exchange(note_, std::string());
}

void PortSharingDriver::FinalizePortDriver() {
    if (!driverLoaded_) return;
    driverLoaded_ = false;
    UnloadPortDriver();
}

void PortSharingDriver::CloseDriverHandle() {
    if (driverHandle_ != kInvalidHandle) os_.CloseHandle(driverHandle_);
    driverHandle_ = kInvalidHandle;
}
