#pragma once
// A scripted Windows host for the port-sharing driver. Every call, serial opens included,
// is recorded in `calls` with its arguments, as "CreateFile(\\.\Global\KESTRAL, 0xc0000000,
// 0, 3, 0x80)", and succeeds unless `errors` scripts a failure for it.

#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/FakeSerialPorts.h"
#include "platform/DriverServices.h"

class FakeDriverServices final : public DriverServices, public SerialPorts {
public:
    uint32_t version = 0x08930005;  // Windows 2000: NT family, major version 5
    std::string exePath = "C:\\Program Files\\Quorvane\\quorvane.exe";
    std::map<std::string, std::string> dosDevices{{"COM3", "\\Device\\Serial2"}};
    // By the start of the recorded call: the codes of its next calls, oldest first; a 0, or
    // none left, lets the call succeed.
    std::map<std::string, std::deque<uint32_t>> errors;
    uint32_t driverVersion = 430, outstandingRequests = 0;
    MessageBoxAnswer boxAnswer = MessageBoxAnswer::Yes;

    std::vector<std::string> calls;
    std::vector<std::string> hookInputs;  // raw input bytes of each hook request
    std::vector<std::string> boxes;       // "caption|Ok|text" or "caption|YesNo|text"
    std::set<OsHandle> handles;           // open ones

    OsHandle OpenSCManager(uint32_t access) override {
        return New(Call("OpenSCManager", Hex(access)));
    }
    OsHandle CreateService(OsHandle manager, const ServiceConfig& c) override {
        return New(Call("CreateService", c.name, c.displayName, Hex(c.desiredAccess), c.serviceType,
                        c.startType, c.errorControl, c.binaryPath) &&
                   handles.count(manager));
    }
    OsHandle OpenService(OsHandle manager, const std::string& name, uint32_t access) override {
        return New(Call("OpenService", name, Hex(access)) && handles.count(manager));
    }
    bool StartService(OsHandle) override { return Call("StartService"); }
    bool ControlService(OsHandle, uint32_t control) override {
        return Call("ControlService", control);
    }
    bool DeleteService(OsHandle) override { return Call("DeleteService"); }
    bool CloseServiceHandle(OsHandle handle) override {
        return Call("CloseServiceHandle") && handles.erase(handle);
    }
    OsHandle CreateFile(const std::string& name, uint32_t access, uint32_t share, uint32_t creation,
                        uint32_t attributes) override {
        const bool opened = Call("CreateFile", name, Hex(access), share, creation, Hex(attributes));
        return opened ? New(true) : kInvalidHandle;
    }
    bool CloseHandle(OsHandle handle) override {
        return Call("CloseHandle") && handles.erase(handle);
    }
    // The driver's interface written out, not taken from the code under test.
    bool DeviceIoControl(OsHandle device, uint32_t code, const void* input, uint32_t inputSize,
                         void* output, uint32_t outputSize, uint32_t& bytesReturned) override {
        bytesReturned = 0;
        if (code == 0x83000004) hookInputs.emplace_back(static_cast<const char*>(input), inputSize);
        if (!Call("DeviceIoControl", Hex(code), "in " + std::to_string(inputSize),
                  "out " + std::to_string(outputSize)) ||
            !handles.count(device))
            return false;
        if (code == 0x83000000 && outputSize == sizeof driverVersion)
            std::memcpy(output, &driverVersion, bytesReturned = sizeof driverVersion);
        if (code == 0x8300000B) bytesReturned = outstandingRequests;
        return true;
    }
    // One name, its NUL, and the NUL that closes the list.
    uint32_t QueryDosDevice(const std::string& name, char* target, uint32_t maxChars) override {
        Call("QueryDosDevice", name, maxChars);
        const auto found = dosDevices.find(name);
        if (found == dosDevices.end()) return 0;
        const std::string list = found->second + std::string(2, '\0');
        std::memcpy(target, list.data(), list.size());
        return static_cast<uint32_t>(list.size());
    }
    bool FileExists(const std::string& path) override { return Call("FindFile", path); }
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override {
        return Call("CopyFile", from, to, failIfExists ? "keep" : "overwrite");
    }
    bool SetFileAttributes(const std::string& path, uint32_t attributes) override {
        return Call("SetFileAttributes", path, Hex(attributes));
    }
    bool DeleteFile(const std::string& path) override { return Call("DeleteFile", path); }
    std::string EnvironmentVariable(const std::string& name) override {
        return Call("GetEnvironmentVariable", name) && name == "SYSTEMROOT" ? "C:\\WINNT" : "";
    }
    uint32_t VersionWord() override { return Call("GetVersion"), version; }
    std::string ExecutablePath() override { return exePath; }
    void Sleep(uint32_t milliseconds) override { Call("Sleep", milliseconds); }
    MessageBoxAnswer StopMessageBox(const std::string& caption, const std::string& text,
                                    MessageBoxButtons buttons) override {
        Call("MessageBox");
        const bool ok = buttons == MessageBoxButtons::Ok;
        boxes.push_back(caption + (ok ? "|Ok|" : "|YesNo|") + text);
        return ok ? MessageBoxAnswer::Ok : boxAnswer;
    }
    void PostQuit() override { Call("PostQuit"); }
    uint32_t LastError() override { return lastError_; }

    std::unique_ptr<SerialPort> Open(const std::string& name, uint32_t& error) override {
        Call("OpenPort", name);
        return lines_.Open(name, error);
    }
    std::string ErrorText(uint32_t code) const override { return std::to_string(code); }

private:
    static std::string Hex(uint32_t value) {
        std::ostringstream text;
        text << "0x" << std::hex << value;
        return text.str();
    }
    template <typename... Args>
    bool Call(const std::string& call, const Args&... args) {
        std::ostringstream text;
        text << call;
        [[maybe_unused]] const char* separator = "(";
        ((text << separator << args, separator = ", "), ...);
        calls.push_back(text.str() + (sizeof...(args) ? ")" : ""));
        for (auto& [start, codes] : errors) {
            if (!calls.back().starts_with(start) || codes.empty()) continue;
            lastError_ = codes.front();
            codes.pop_front();
            return lastError_ == 0;
        }
        return true;
    }
    OsHandle New(bool succeeded) {
        return succeeded ? *handles.insert(nextHandle_++).first : kNullHandle;
    }

    uint32_t lastError_ = 0;
    OsHandle nextHandle_ = 0x100;
    FakeSerialPorts lines_;
};
