#pragma once
// A simulated Windows host for the port-sharing driver: a service control manager with one
// KESTRAL kernel driver, its control device, the DOS-device table, a file system and the
// message box. Every call is recorded in `calls`, in order.

#include <cctype>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/FakeSerialPorts.h"
#include "platform/DriverServices.h"

class FakeDriverServices : public DriverServices {
    enum class Kind { Manager, Service, Device };

public:
    // ---- The host, set up by the test.
    uint32_t version = 0x08930005;  // Windows 2000: NT family, major version 5
    std::string exePath = "C:\\Program Files\\Quorvane\\quorvane.exe";
    std::map<std::string, std::string> environment{{"SYSTEMROOT", "C:\\WINNT"}};
    bool managerAccessDenied = false;  // not an administrator
    uint32_t copyError = 0;            // non-zero: every copy fails with it
    // DOS name (upper case) -> NT device path.
    std::map<std::string, std::string> dosDevices{{"COM1", "\\Device\\Serial0"},
                                                  {"COM3", "\\Device\\Serial2"}};
    std::set<std::string> directPorts{"COM1", "COM3"};  // open without the driver
    MessageBoxAnswer boxAnswer = MessageBoxAnswer::Yes;

    // ---- The driver.
    bool serviceInstalled = false, serviceRunning = false;
    std::string serviceBinary;         // the file the service was created with
    std::deque<uint32_t> startErrors;  // forced failures of the next starts, one each
    uint32_t driverVersion = 430;
    bool hookSucceeds = true;
    uint32_t outstandingRequests = 0;
    uint32_t unloadQueryError = 0;  // non-zero: the unload query fails with it

    void AddFile(const std::string& path) { files_.insert(Upper(path)); }
    void RemoveFile(const std::string& path) { files_.erase(Upper(path)); }
    bool HasFile(const std::string& path) const { return files_.count(Upper(path)) != 0; }
    // Installs and starts the driver as an earlier run would have left it.
    void LeaveDriverRunning() {
        serviceInstalled = serviceRunning = true;
        serviceBinary = environment["SYSTEMROOT"] + "\\system32\\drivers\\KESTRAL.SYS";
    }

    // ---- What happened.
    std::vector<std::string> calls;
    std::vector<std::string> hookInputs;  // raw input bytes of each hook request
    struct Box {
        std::string caption, text;
        MessageBoxButtons buttons;
        bool serviceInstalled;  // at the moment the box was shown
    };
    std::vector<Box> boxes;
    std::size_t OpenHandleCount() const { return handles_.size(); }

    // Opens COM names from `directPorts`, and "\\.\RIGPORT" while the driver has a port hooked.
    SerialPorts& Ports() { return ports_; }

    OsHandle OpenSCManager(uint32_t access) override {
        Record("OpenSCManager(" + Hex(access) + ")");
        return managerAccessDenied ? Fail(kErrorAccessDenied, kNullHandle) : New(Kind::Manager);
    }
    OsHandle CreateService(OsHandle manager, const ServiceConfig& c) override {
        Record("CreateService(" + c.name + ", " + c.displayName + ", " + Hex(c.desiredAccess) +
               ", " + std::to_string(c.serviceType) + ", " + std::to_string(c.startType) + ", " +
               std::to_string(c.errorControl) + ", " + c.binaryPath + ")");
        if (!IsOpen(manager, Kind::Manager)) return Fail(kErrorInvalidHandle, kNullHandle);
        if (serviceInstalled) return Fail(markedForDelete_ ? 1072 : 1073, kNullHandle);
        serviceInstalled = true;
        serviceBinary = c.binaryPath;
        return New(Kind::Service);
    }
    OsHandle OpenService(OsHandle manager, const std::string& name, uint32_t access) override {
        Record("OpenService(" + name + ", " + Hex(access) + ")");
        if (!IsOpen(manager, Kind::Manager)) return Fail(kErrorInvalidHandle, kNullHandle);
        if (!serviceInstalled || name != "KESTRAL") return Fail(1060, kNullHandle);
        return New(Kind::Service);
    }
    bool StartService(OsHandle service) override {
        Record("StartService");
        if (!IsOpen(service, Kind::Service)) return Fail(kErrorInvalidHandle);
        if (!startErrors.empty()) {
            const uint32_t error = startErrors.front();
            startErrors.pop_front();
            return Fail(error);
        }
        if (serviceRunning) return Fail(kErrorServiceAlreadyRunning);
        return HasFile(serviceBinary) ? serviceRunning = true : Fail(kErrorFileNotFound);
    }
    bool ControlService(OsHandle service, uint32_t control) override {
        Record("ControlService(" + std::to_string(control) + ")");
        if (!IsOpen(service, Kind::Service) || control != 1) return Fail(kErrorInvalidHandle);
        if (!serviceRunning) return Fail(1062);
        serviceRunning = false;
        hookedTarget_.clear();
        if (markedForDelete_) serviceInstalled = markedForDelete_ = false;
        return true;
    }
    bool DeleteService(OsHandle service) override {
        Record("DeleteService");
        if (!IsOpen(service, Kind::Service)) return Fail(kErrorInvalidHandle);
        if (markedForDelete_) return Fail(1072);
        // A running service is only marked; it goes when it stops.
        (serviceRunning ? markedForDelete_ : serviceInstalled) = serviceRunning;
        return true;
    }
    bool CloseServiceHandle(OsHandle handle) override {
        Record("CloseServiceHandle");
        if (!IsOpen(handle, Kind::Manager) && !IsOpen(handle, Kind::Service))
            return Fail(kErrorInvalidHandle);
        return handles_.erase(handle);
    }
    OsHandle CreateFile(const std::string& name, uint32_t access, uint32_t share, uint32_t creation,
                        uint32_t attributes) override {
        Record("CreateFile(" + name + ", " + Hex(access) + ", " + std::to_string(share) + ", " +
               std::to_string(creation) + ", " + Hex(attributes) + ")");
        // The driver names its device under Global only where the system has that namespace.
        const bool global = (version & 0xFF) >= 5;
        if (!serviceRunning || name != (global ? "\\\\.\\Global\\KESTRAL" : "\\\\.\\KESTRAL"))
            return Fail(kErrorFileNotFound, kInvalidHandle);
        return New(Kind::Device);
    }
    bool CloseHandle(OsHandle handle) override {
        Record("CloseHandle");
        return IsOpen(handle, Kind::Device) ? handles_.erase(handle) : Fail(kErrorInvalidHandle);
    }
    bool DeviceIoControl(OsHandle device, uint32_t code, const void* input, uint32_t inputSize,
                         void* output, uint32_t outputSize, uint32_t& bytesReturned) override {
        Record("DeviceIoControl(" + Hex(code) + ", in " + std::to_string(inputSize) + ", out " +
               std::to_string(outputSize) + ")");
        bytesReturned = 0;
        if (!IsOpen(device, Kind::Device) || !serviceRunning) return Fail(kErrorInvalidHandle);
        // The driver's own view of its interface, written out rather than taken from the code
        // under test.
        if (code == 0x83000000) {  // version
            if (output == nullptr || outputSize < sizeof driverVersion) return Fail(122);
            std::memcpy(output, &driverVersion, bytesReturned = sizeof driverVersion);
        } else if (code == 0x83000004) {  // hook a port
            const std::string bytes(static_cast<const char*>(input), inputSize);
            hookInputs.push_back(bytes);
            if (!hookSucceeds) return Fail(31);
            hookedTarget_ = bytes.substr(0, bytes.find('\0'));
        } else if (code == 0x8300000B) {  // may it unload?
            if (unloadQueryError != 0) return Fail(unloadQueryError);
            bytesReturned = outstandingRequests;
        } else {
            return Fail(1);
        }
        return true;
    }
    uint32_t QueryDosDevice(const std::string& name, char* target, uint32_t maxChars) override {
        Record("QueryDosDevice(" + name + ", " + std::to_string(maxChars) + ")");
        const auto found = dosDevices.find(Upper(name));
        if (found == dosDevices.end()) return Fail(kErrorFileNotFound, 0u);
        // One name, its NUL, and the NUL that closes the list.
        const std::string list = found->second + std::string(2, '\0');
        if (list.size() > maxChars) return Fail(122, 0u);
        std::memcpy(target, list.data(), list.size());
        return static_cast<uint32_t>(list.size());
    }
    bool FileExists(const std::string& path) override {
        Record("FindFile(" + path + ")");
        return HasFile(path) || Fail(kErrorFileNotFound);
    }
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override {
        Record("CopyFile(" + from + ", " + to + (failIfExists ? ", keep)" : ", overwrite)"));
        if (copyError != 0) return Fail(copyError);
        if (!HasFile(from)) return Fail(kErrorFileNotFound);
        if (failIfExists && HasFile(to)) return Fail(80);
        return AddFile(to), true;
    }
    bool SetFileAttributes(const std::string& path, uint32_t attributes) override {
        Record("SetFileAttributes(" + path + ", " + Hex(attributes) + ")");
        return HasFile(path) || Fail(kErrorFileNotFound);
    }
    bool DeleteFile(const std::string& path) override {
        Record("DeleteFile(" + path + ")");
        return files_.erase(Upper(path)) != 0 || Fail(kErrorFileNotFound);
    }
    std::string EnvironmentVariable(const std::string& name) override {
        Record("GetEnvironmentVariable(" + name + ")");
        const auto found = environment.find(name);
        return found == environment.end() ? Fail(203, std::string()) : found->second;
    }
    uint32_t VersionWord() override { return Record("GetVersion"), version; }
    std::string ExecutablePath() override { return Record("GetModuleFileName"), exePath; }
    void Sleep(uint32_t ms) override { Record("Sleep(" + std::to_string(ms) + ")"); }
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
            host_.Record("OpenPort(" + name + ")");
            const bool shared =
                name == "\\\\.\\RIGPORT" && host_.serviceRunning && !host_.hookedTarget_.empty();
            if (shared || host_.directPorts.count(name) != 0) return lines_.Open(name, error);
            error = kErrorFileNotFound;
            return nullptr;
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
        char text[16];
        std::snprintf(text, sizeof text, "0x%x", value);
        return text;
    }
    template <typename T = bool>
    T Fail(uint32_t error, T result = T{}) {
        lastError_ = error;
        return result;
    }
    OsHandle New(Kind kind) {
        handles_[nextHandle_] = kind;
        return nextHandle_++;
    }
    bool IsOpen(OsHandle handle, Kind kind) const {
        const auto found = handles_.find(handle);
        return found != handles_.end() && found->second == kind;
    }
    void Record(std::string call) { calls.push_back(std::move(call)); }

    uint32_t lastError_ = 0;
    OsHandle nextHandle_ = 0x100;
    std::map<OsHandle, Kind> handles_;
    std::set<std::string> files_;  // upper-cased: names compare without regard to case
    bool markedForDelete_ = false;
    std::string hookedTarget_;
    HostPorts ports_{*this};
};
