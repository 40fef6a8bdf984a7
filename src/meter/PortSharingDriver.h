#pragma once
// Sharing the meter's COM port with the operator's PSK31 program through the KESTRAL
// kernel driver: load and check the driver, hook a port, open the shared device, unload.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/DriverServices.h"
#include "platform/SerialPort.h"

inline constexpr uint32_t kKestralDriverVersion = 430;

constexpr uint32_t KestralControlCode(uint32_t function, uint32_t method) {
    constexpr uint32_t deviceType = 0x8300;
    constexpr uint32_t anyAccess = 0;
    return (deviceType << 16) | (anyAccess << 14) | (function << 2) | method;
}
inline constexpr uint32_t kMethodBuffered = 0;
inline constexpr uint32_t kMethodNeither = 3;
inline constexpr uint32_t kIoctlKestralGetVersion = KestralControlCode(0, kMethodBuffered);
inline constexpr uint32_t kIoctlKestralHookPort = KestralControlCode(1, kMethodBuffered);
inline constexpr uint32_t kIoctlKestralQueryUnload = KestralControlCode(2, kMethodNeither);

inline constexpr const char* kKestralServiceName = "KESTRAL";
inline constexpr const char* kKestralDriverFile = "KESTRAL.SYS";
inline constexpr const char* kSharedPortDevice = "\\\\.\\RIGPORT";

// Folder part of a path, separator included; empty when there is none.
std::string ExecutableDirectory(const std::string& executablePath);

class PortSharingDriver {
public:
    PortSharingDriver(DriverServices& os, SerialPorts& ports) : os_(os), ports_(ports) {}
    PortSharingDriver(const PortSharingDriver&) = delete;
    PortSharingDriver& operator=(const PortSharingDriver&) = delete;

    // Opens `portName` ("COM3", or "\\.\COM12" from port 10 on) through the driver,
    // loading it on first use; opens the port itself when the driver cannot hook it.
    // Null on failure, with `error`.
    std::unique_ptr<SerialPort> HookComPort(const std::string& portName, uint32_t& error);
    bool LoadPortDriver();
    void UnloadPortDriver();
    bool SendHookRequest(const std::string& portName);
    std::string GetDosDeviceTarget(const std::string& dosName);
    // Removes the service and keeps the note for the operator, naming the system's error
    // `code` (none for 0); the ports are opened directly from then on.
    void ReportDriverError(std::string message, uint32_t code);
    // The note of the last failure, once; empty when there is none to tell.
    std::string TakeNote();
    // Called at shutdown while the shared port is still open; unloads a loaded driver.
    void FinalizePortDriver();

    bool IsNT() const { return isNT_; }
    OsHandle DriverHandle() const { return driverHandle_; }
    bool DriverLoaded() const { return driverLoaded_; }

private:
    bool CheckDriverVersion();
    void CloseDriverHandle();

    DriverServices& os_;
    SerialPorts& ports_;
    bool isNT_ = false;
    OsHandle driverHandle_ = kInvalidHandle;
    bool driverLoaded_ = false;
    bool gaveUp_ = false;
    std::string note_;
};
