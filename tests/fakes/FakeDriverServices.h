#pragma once
// A simulated Windows host for the port-sharing driver: a service control manager with one
// KESTRAL kernel driver, its control device, the DOS-device table, a file system and the
// message box. Every call is recorded in `calls`, in order.

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/DriverServices.h"
#include "platform/SerialPort.h"

class FakeDriverServices : public DriverServices {
public:
    FakeDriverServices();
    ~FakeDriverServices() override;
    FakeDriverServices(const FakeDriverServices&) = delete;
    FakeDriverServices& operator=(const FakeDriverServices&) = delete;

    // ---- The host, set up by the test.
    uint32_t version = 0x08930005;  // Windows 2000: NT family, major version 5
    std::string exePath = "C:\\Program Files\\Quorvane\\quorvane.exe";
    std::map<std::string, std::string> environment{{"SYSTEMROOT", "C:\\WINNT"}};
    bool managerAccessDenied = false;  // not an administrator
    uint32_t copyError = 0;            // non-zero: every copy fails with it
    // DOS name (upper case) -> NT device path.
    std::map<std::string, std::string> dosDevices{{"COM1", "\\Device\\Serial0"},
                                                  {"COM3", "\\Device\\Serial2"}};
    // Names, exactly as opened, that open without the driver.
    std::set<std::string> directPorts{"COM1", "COM3"};
    MessageBoxAnswer boxAnswer = MessageBoxAnswer::Yes;

    // ---- The driver.
    bool serviceInstalled = false;
    bool serviceRunning = false;
    std::string serviceBinary;         // the file the service was created with
    std::deque<uint32_t> startErrors;  // forced failures of the next starts, one each
    uint32_t driverVersion = 430;
    bool hookSucceeds = true;
    uint32_t outstandingRequests = 0;
    uint32_t unloadQueryError = 0;  // non-zero: the unload query fails with it

    void addFile(const std::string& path);
    void removeFile(const std::string& path);
    bool hasFile(const std::string& path) const;
    // Installs and starts the driver as an earlier run would have left it.
    void leaveDriverRunning();

    // ---- What happened.
    std::vector<std::string> calls;
    std::vector<std::string> hookInputs;  // raw input bytes of each hook request
    struct Box {
        std::string caption;
        std::string text;
        MessageBoxButtons buttons;
        bool serviceInstalled;  // at the moment the box was shown
    };
    std::vector<Box> boxes;
    int quitRequests = 0;
    std::size_t openHandleCount() const { return handles_.size(); }
    bool portHooked() const { return !hookedTarget_.empty(); }

    // Opens COM names from `directPorts`, and "\\.\RIGPORT" while the driver has a port hooked.
    SerialPorts& ports();

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
    bool fileExists(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool setFileAttributes(const std::string& path, uint32_t attributes) override;
    bool deleteFile(const std::string& path) override;
    std::string environmentVariable(const std::string& name) override;
    uint32_t versionWord() override;
    std::string executablePath() override;
    void sleep(uint32_t milliseconds) override;
    MessageBoxAnswer stopMessageBox(const std::string& caption, const std::string& text,
                                    MessageBoxButtons buttons) override;
    void postQuit() override;
    uint32_t lastError() override { return lastError_; }

private:
    enum class Kind { Manager, Service, Device };
    class Ports;

    OsHandle newHandle(Kind kind);
    bool isOpen(OsHandle handle, Kind kind) const;
    bool fail(uint32_t error);
    void record(std::string call);

    uint32_t lastError_ = 0;
    OsHandle nextHandle_ = 0x100;
    std::map<OsHandle, Kind> handles_;
    std::set<std::string> files_;  // upper-cased: names compare without regard to case
    bool markedForDelete_ = false;
    std::string hookedTarget_;
    std::unique_ptr<Ports> ports_;
};
