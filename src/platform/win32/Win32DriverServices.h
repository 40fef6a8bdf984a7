#pragma once
// The port-sharing driver's needs met by Windows itself: the service control manager,
// DeviceIoControl, QueryDosDeviceA, file search and copy, and MessageBoxA.

#include "platform/DriverServices.h"

class Win32DriverServices final : public DriverServices {
public:
    OsHandle OpenSCManager(uint32_t desiredAccess) override;
    OsHandle CreateService(OsHandle manager, const ServiceConfig& config) override;
    OsHandle OpenService(OsHandle manager, const std::string& name,
                         uint32_t desiredAccess) override;
    bool StartService(OsHandle service) override;
    bool ControlService(OsHandle service, uint32_t control) override;
    bool DeleteService(OsHandle service) override;
    bool CloseServiceHandle(OsHandle handle) override;
    OsHandle CreateFile(const std::string& name, uint32_t access, uint32_t shareMode,
                        uint32_t creation, uint32_t attributes) override;
    bool CloseHandle(OsHandle handle) override;
    bool DeviceIoControl(OsHandle device, uint32_t code, const void* input, uint32_t inputSize,
                         void* output, uint32_t outputSize, uint32_t& bytesReturned) override;
    uint32_t QueryDosDevice(const std::string& deviceName, char* target,
                            uint32_t maxChars) override;
    // FindFirstFileA: the file system's own rules, so the case of the name does not matter.
    bool FileExists(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool SetFileAttributes(const std::string& path, uint32_t attributes) override;
    bool DeleteFile(const std::string& path) override;
    std::string EnvironmentVariable(const std::string& name) override;
    // GetVersion.
    uint32_t VersionWord() override;
    std::string ExecutablePath() override;
    void Sleep(uint32_t milliseconds) override;
    MessageBoxAnswer StopMessageBox(const std::string& caption, const std::string& text,
                                    MessageBoxButtons buttons) override;
    bool RunsOn64BitWindows() override;
    // GetLastError as the last call of this object left it.
    uint32_t LastError() override { return lastError_; }
    // FormatMessage's text.
    std::string ErrorText(uint32_t code) override;

private:
    // Keeps GetLastError for LastError(); returns `result` unchanged.
    template <typename T>
    T Note(T result);

    uint32_t lastError_ = 0;
};
