#pragma once
// A simulated Windows host for the port-sharing driver: a service control manager with one
// KESTRAL kernel driver, its control device, the DOS-device table, a file system and the
// message box. Every call is recorded in `calls`, in order, with its arguments.

#include <cctype>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/FakeSerialPorts.h"
#include "platform/DriverServices.h"

class FakeDriverServices : public DriverServices {
public:
    // ---- The host, set up by the test.
    uint32_t version = 0x08930005;  // Windows 2000: NT family, major version 5
    std::string exePath = "C:\\Program Files\\Quorvane\\quorvane.exe";
    std::string systemRoot = "C:\\WINNT";  // empty: not set
    bool managerAccessDenied = false;      // not an administrator
    uint32_t copyError = 0;                // non-zero: every copy fails with it
    // DOS name (upper case) -> NT device path. Every COM name also opens directly.
    std::map<std::string, std::string> dosDevices{{"COM1", "\\Device\\Serial0"},
                                                  {"COM3", "\\Device\\Serial2"}};
    MessageBoxAnswer boxAnswer = MessageBoxAnswer::Yes;

    // ---- The driver.
    bool serviceInstalled = false, serviceRunning = false;
    std::string serviceBinary;         // the file the service was created with
    std::deque<uint32_t> startErrors;  // forced failures of the next starts, one each
    uint32_t driverVersion = 430, outstandingRequests = 0;
    uint32_t unloadQueryError = 0;  // non-zero: the unload query fails with it
    bool hookSucceeds = true;

    void AddFile(const std::string& path) { files_.insert(Upper(path)); }
    void RemoveFile(const std::string& path) { files_.erase(Upper(path)); }
    bool HasFile(const std::string& path) const { return files_.count(Upper(path)) != 0; }
    // Installs and starts the driver as an earlier run would have left it.
    void LeaveDriverRunning() {
        serviceInstalled = serviceRunning = true;
        serviceBinary = systemRoot + "\\system32\\drivers\\KESTRAL.SYS";
    }

    // ---- What happened.
    std::vector<std::string> calls;       // "CreateFile(\\.\Global\KESTRAL, 0xc0000000, ...)"
    std::vector<std::string> hookInputs;  // raw input bytes of each hook request
    struct Box {
        std::string caption, text;
        MessageBoxButtons buttons;
        bool serviceInstalled;  // at the moment the box was shown
    };
    std::vector<Box> boxes;
    std::size_t OpenHandleCount() const { return handles_.size(); }

    // Opens COM names, and "\\.\RIGPORT" while the driver has a port hooked.
    SerialPorts& Ports() { return ports_; }

    OsHandle OpenSCManager(uint32_t access) override {
        Record("OpenSCManager", Hex(access));
        return managerAccessDenied ? Fail(kErrorAccessDenied, kNullHandle) : New();
    }
    OsHandle CreateService(OsHandle manager, const ServiceConfig& c) override {
        Record("CreateService", c.name, c.displayName, Hex(c.desiredAccess), c.serviceType,
               c.startType, c.errorControl, c.binaryPath);
        if (!handles_.count(manager)) return Fail(kErrorInvalidHandle, kNullHandle);
        if (serviceInstalled) return Fail(markedForDelete_ ? 1072 : 1073, kNullHandle);
        serviceInstalled = true;
        serviceBinary = c.binaryPath;
        return New();
    }
    OsHandle OpenService(OsHandle manager, const std::string& name, uint32_t access) override {
        Record("OpenService", name, Hex(access));
        if (!handles_.count(manager)) return Fail(kErrorInvalidHandle, kNullHandle);
        return serviceInstalled && name == "KESTRAL" ? New() : Fail(1060, kNullHandle);
    }
    bool StartService(OsHandle service) override {
        Record("StartService");
        if (!handles_.count(service)) return Fail(kErrorInvalidHandle);
        if (!startErrors.empty()) {
            const uint32_t error = startErrors.front();
            startErrors.pop_front();
            return Fail(error);
        }
        if (serviceRunning) return Fail(kErrorServiceAlreadyRunning);
        return HasFile(serviceBinary) ? (serviceRunning = true) : Fail(kErrorFileNotFound);
    }
    bool ControlService(OsHandle service, uint32_t control) override {
        Record("ControlService", control);
        if (!handles_.count(service) || control != 1) return Fail(kErrorInvalidHandle);
        if (!serviceRunning) return Fail(1062);
        serviceRunning = false;
        hookedTarget_.clear();
        if (markedForDelete_) serviceInstalled = markedForDelete_ = false;
        return true;
    }
    bool DeleteService(OsHandle service) override {
        Record("DeleteService");
        if (!handles_.count(service)) return Fail(kErrorInvalidHandle);
        if (markedForDelete_) return Fail(1072);
        // A running service is only marked; it goes when it stops.
        (serviceRunning ? markedForDelete_ : serviceInstalled) = serviceRunning;
        return true;
    }
    bool CloseServiceHandle(OsHandle handle) override {
        Record("CloseServiceHandle");
        return handles_.erase(handle) || Fail(kErrorInvalidHandle);
    }
    OsHandle CreateFile(const std::string& name, uint32_t access, uint32_t share, uint32_t creation,
                        uint32_t attributes) override {
        Record("CreateFile", name, Hex(access), share, creation, Hex(attributes));
        // The driver names its device under Global only where the system has that namespace.
        const bool global = (version & 0xFF) >= 5;
        if (!serviceRunning || name != (global ? "\\\\.\\Global\\KESTRAL" : "\\\\.\\KESTRAL"))
            return Fail(kErrorFileNotFound, kInvalidHandle);
        return New();
    }
    bool CloseHandle(OsHandle handle) override {
        Record("CloseHandle");
        return handles_.erase(handle) || Fail(kErrorInvalidHandle);
    }
    bool DeviceIoControl(OsHandle device, uint32_t code, const void* input, uint32_t inputSize,
                         void* output, uint32_t outputSize, uint32_t& bytesReturned) override {
        Record("DeviceIoControl", Hex(code), "in " + std::to_string(inputSize),
               "out " + std::to_string(outputSize));
        bytesReturned = 0;
        if (!handles_.count(device) || !serviceRunning) return Fail(kErrorInvalidHandle);
        // The driver's own view of its interface, written out rather than taken from the code
        // under test.
        if (code == 0x83000000) {  // version
            if (output == nullptr || outputSize < sizeof driverVersion) return Fail(122);
            std::memcpy(output, &driverVersion, bytesReturned = sizeof driverVersion);
        } else if (code == 0x83000004) {  // hook a port
            hookInputs.emplace_back(static_cast<const char*>(input), inputSize);
            if (!hookSucceeds) return Fail(31);
            hookedTarget_ = hookInputs.back().substr(0, hookInputs.back().find('\0'));
        } else if (code == 0x8300000B && unloadQueryError == 0) {  // may it unload?
            bytesReturned = outstandingRequests;
        } else {
            return Fail(code == 0x8300000B ? unloadQueryError : 1);
        }
        return true;
    }
    uint32_t QueryDosDevice(const std::string& name, char* target, uint32_t maxChars) override {
        Record("QueryDosDevice", name, maxChars);
        const auto found = dosDevices.find(Upper(name));
        if (found == dosDevices.end()) return Fail(kErrorFileNotFound, 0u);
        // One name, its NUL, and the NUL that closes the list.
        const std::string list = found->second + std::string(2, '\0');
        if (list.size() > maxChars) return Fail(122, 0u);
        std::memcpy(target, list.data(), list.size());
        return static_cast<uint32_t>(list.size());
    }
    bool FileExists(const std::string& path) override {
        Record("FindFile", path);
        return HasFile(path) || Fail(kErrorFileNotFound);
    }
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override {
        Record("CopyFile", from, to, failIfExists ? "keep" : "overwrite");
        if (copyError != 0 || !HasFile(from)) return Fail(copyError ? copyError : 2);
        if (failIfExists && HasFile(to)) return Fail(80);
        return AddFile(to), true;
    }
    bool SetFileAttributes(const std::string& path, uint32_t attributes) override {
        Record("SetFileAttributes", path, Hex(attributes));
        return HasFile(path) || Fail(kErrorFileNotFound);
    }
    bool DeleteFile(const std::string& path) override {
        Record("DeleteFile", path);
        return files_.erase(Upper(path)) != 0 || Fail(kErrorFileNotFound);
    }
    std::string EnvironmentVariable(const std::string& name) override {
        Record("GetEnvironmentVariable", name);
        return name == "SYSTEMROOT" && !systemRoot.empty() ? systemRoot : Fail(203, std::string());
    }
    uint32_t VersionWord() override { return Record("GetVersion"), version; }
    std::string ExecutablePath() override { return Record("GetModuleFileName"), exePath; }
    void Sleep(uint32_t milliseconds) override { Record("Sleep", milliseconds); }
    MessageBoxAnswer StopMessageBox(const std::string& caption, const std::string& text,
                                    MessageBoxButtons buttons) override {
        Record("MessageBox");
        boxes.push_back({caption, text, buttons, serviceInstalled});
        return buttons == MessageBoxButtons::Ok ? MessageBoxAnswer::Ok : boxAnswer;
    }
    void PostQuit() override { Record("PostQuit"); }
    uint32_t LastError() override { return lastError_; }

private:
    class HostPorts final : public SerialPorts {
    public:
        explicit HostPorts(FakeDriverServices& host) : host_(host) {}
        std::unique_ptr<SerialPort> Open(const std::string& name, uint32_t& error) override {
            host_.Record("OpenPort", name);
            const bool shared =
                name == "\\\\.\\RIGPORT" && host_.serviceRunning && !host_.hookedTarget_.empty();
            if (shared || name.starts_with("COM")) return lines_.Open(name, error);
            return error = kErrorFileNotFound, nullptr;
        }
        std::string ErrorText(uint32_t code) const override { return std::to_string(code); }

    private:
        FakeDriverServices& host_;
        FakeSerialPorts lines_;
    };

    static std::string Upper(std::string text) {
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    }
    static std::string Hex(uint32_t value) {
        std::ostringstream text;
        text << "0x" << std::hex << value;
        return text.str();
    }
    template <typename... Args>
    void Record(const std::string& call, const Args&... args) {
        std::ostringstream text;
        text << call;
        [[maybe_unused]] const char* separator = "(";
        ((text << separator << args, separator = ", "), ...);
        calls.push_back(text.str() + (sizeof...(args) ? ")" : ""));
    }
    template <typename T = bool>
    T Fail(uint32_t error, T result = T{}) {
        lastError_ = error;
        return result;
    }
    OsHandle New() { return *handles_.insert(nextHandle_++).first; }

    uint32_t lastError_ = 0;
    OsHandle nextHandle_ = 0x100;
    std::set<OsHandle> handles_;
    std::set<std::string> files_;  // upper-cased: names compare without regard to case
    bool markedForDelete_ = false;
    std::string hookedTarget_;
    HostPorts ports_{*this};
};
