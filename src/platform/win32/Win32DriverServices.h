#pragma once
// The port-sharing driver's needs met by Windows itself: the service control manager,
// DeviceIoControl, QueryDosDeviceA, file search and copy, and MessageBoxA.

#include "platform/DriverServices.h"

class Win32DriverServices final : public DriverServices {
public:
    OsHandle openSCManager(uint32_t desiredAccess) override;
    OsHandle createService(OsHandle manager, const ServiceConfig& config) override;
    OsHandle openService(OsHandle manager, const std::string& name,
                         uint32_t desiredAccess) override;
    bool startService(OsHandle service) override;
    bool controlService(OsHandle service, uint32_t control) override;
    bool deleteService(OsHandle service) override;
    bool closeServiceHandle(OsHandle handle) override;
    OsHandle createFile(const std::string& name, uint32_t access, uint32_t shareMode,
                        uint32_t creation, uint32_t attributes) override;
    bool closeHandle(OsHandle handle) override;
    bool deviceIoControl(OsHandle device, uint32_t code, const void* input, uint32_t inputSize,
                         void* output, uint32_t outputSize, uint32_t& bytesReturned) override;
    uint32_t queryDosDevice(const std::string& deviceName, char* target,
                            uint32_t maxChars) override;
    // FindFirstFileA: the file system's own rules, so the case of the name does not matter.
    bool fileExists(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool setFileAttributes(const std::string& path, uint32_t attributes) override;
    bool deleteFile(const std::string& path) override;
    std::string environmentVariable(const std::string& name) override;
    // GetVersion.
    uint32_t versionWord() override;
    std::string executablePath() override;
    void sleep(uint32_t milliseconds) override;
    MessageBoxAnswer stopMessageBox(const std::string& caption, const std::string& text,
                                    MessageBoxButtons buttons) override;
    // PostQuitMessage: the GUI thread's message loop (Qt's too) ends on WM_QUIT.
    void postQuit() override;
    // GetLastError as the last call of this object left it.
    uint32_t lastError() override { return lastError_; }

private:
    // Keeps GetLastError for lastError(); returns `result` unchanged.
    template <typename T>
    T Note(T result);

    uint32_t lastError_ = 0;
};
