#pragma once
// Service control manager helpers for the port-sharing kernel driver.

#include <cstdint>
#include <string>

#include "platform/DriverServices.h"

inline constexpr uint32_t kScManagerAllAccess = 0xF003F;
inline constexpr uint32_t kServiceAllAccess = 0xF01FF;
inline constexpr uint32_t kServiceKernelDriver = 1;
inline constexpr uint32_t kServiceDemandStart = 3;
inline constexpr uint32_t kServiceErrorNormal = 1;
inline constexpr uint32_t kServiceControlStop = 1;

inline constexpr uint32_t kGenericReadWrite = 0xC0000000;
inline constexpr uint32_t kOpenExisting = 3;
inline constexpr uint32_t kFileAttributeNormal = 0x80;

// Installs `name` as a demand-start kernel driver running `driverPath`. True if created.
bool CreateDriverService(DriverServices& os, OsHandle manager, const std::string& name,
                         const std::string& driverPath);
// True when started, or when it was already running or is disabled.
bool StartDriverService(DriverServices& os, OsHandle manager, const std::string& name);
// Opens the driver's control device; keeps the handle in `handle` when given, else closes it.
bool OpenDriverDevice(DriverServices& os, const std::string& name, OsHandle* handle = nullptr);
bool StopDriverService(DriverServices& os, OsHandle manager, const std::string& name);
bool DeleteDriverService(DriverServices& os, OsHandle manager, const std::string& name);
// Stops and deletes the service, whatever either step answers.
void UninstallDriver(DriverServices& os, const std::string& name);
// Replaces any stale service entry, starts the driver and opens its control device.
// `error` is the last error right after that open.
bool InstallAndOpenDriver(DriverServices& os, const std::string& name,
                          const std::string& driverPath, OsHandle& handle, uint32_t& error);

// The control device's name: under "Global" from Windows 2000 (major version 5) on.
std::string DriverDeviceName(const std::string& name, uint32_t versionWord);
