#pragma once
// What the port-sharing driver control needs from the operating system: the service
// control manager, device I/O control, the DOS-device lookup, a few file operations and
// a stop-icon message box. Win32 semantics throughout: a failed call returns false (or a
// null/invalid handle, or 0) and leaves its reason in LastError().

#include <cstdint>
#include <string>

// An opaque OS handle. Service control handles are null on failure; file and device
// handles are kInvalidHandle on failure, as with the Win32 calls they stand for.
using OsHandle = std::uintptr_t;
inline constexpr OsHandle kNullHandle = 0;
inline constexpr OsHandle kInvalidHandle = ~OsHandle{0};

// Win32 error codes the driver control looks at or produces.
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorCallNotImplemented = 120;
inline constexpr uint32_t kErrorServiceAlreadyRunning = 1056;
inline constexpr uint32_t kErrorServiceDisabled = 1058;

// Top bit of the version word: set outside the NT family.
inline constexpr uint32_t kVersionNotNtBit = 0x80000000u;

// The arguments of CreateService that the program sets; the rest are left empty.
struct ServiceConfig {
    std::string name;
    std::string displayName;
    uint32_t desiredAccess = 0;
    uint32_t serviceType = 0;
    uint32_t startType = 0;
    uint32_t errorControl = 0;
    std::string binaryPath;
};

enum class MessageBoxButtons { Ok, YesNo };
// Failed when the box could not be shown.
enum class MessageBoxAnswer { Failed, Ok, Yes, No };

class DriverServices {
public:
    virtual ~DriverServices() = default;

    // Service control manager, local machine, default database.
    virtual OsHandle OpenSCManager(uint32_t desiredAccess) = 0;
    virtual OsHandle CreateService(OsHandle manager, const ServiceConfig& config) = 0;
    virtual OsHandle OpenService(OsHandle manager, const std::string& name,
                                 uint32_t desiredAccess) = 0;
    // Starts with no arguments.
    virtual bool StartService(OsHandle service) = 0;
    virtual bool ControlService(OsHandle service, uint32_t control) = 0;
    virtual bool DeleteService(OsHandle service) = 0;
    virtual bool CloseServiceHandle(OsHandle handle) = 0;

    // Device files: no security attributes, no template.
    virtual OsHandle CreateFile(const std::string& name, uint32_t access, uint32_t shareMode,
                                uint32_t creation, uint32_t attributes) = 0;
    virtual bool CloseHandle(OsHandle handle) = 0;
    // Synchronous; `bytesReturned` is what the driver reports, whatever the buffers.
    virtual bool DeviceIoControl(OsHandle device, uint32_t code, const void* input,
                                 uint32_t inputSize, void* output, uint32_t outputSize,
                                 uint32_t& bytesReturned) = 0;
    // QueryDosDevice: fills `target` with NUL-terminated names closed by one more NUL and
    // returns the characters stored, 0 on failure.
    virtual uint32_t QueryDosDevice(const std::string& deviceName, char* target,
                                    uint32_t maxChars) = 0;

    // Files; names compare without regard to case.
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    virtual bool SetFileAttributes(const std::string& path, uint32_t attributes) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;

    // Empty when the variable is not set.
    virtual std::string EnvironmentVariable(const std::string& name) = 0;
    // GetVersion-style word: top bit set outside the NT family; low byte the major version.
    virtual uint32_t VersionWord() = 0;
    // Full path of the running program's executable file.
    virtual std::string ExecutablePath() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;

    // True on 64-bit Windows, whatever the program's own width: a 32-bit kernel driver
    // cannot load there, and a new one must carry Microsoft's signature.
    virtual bool RunsOn64BitWindows() = 0;

    // Modal box with the stop icon and no owner window.
    virtual MessageBoxAnswer StopMessageBox(const std::string& caption, const std::string& text,
                                            MessageBoxButtons buttons) = 0;

    virtual uint32_t LastError() = 0;
    // The system's text for an error code; empty when it has none.
    virtual std::string ErrorText(uint32_t code) = 0;
};
