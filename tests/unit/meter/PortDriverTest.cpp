// The port-sharing driver's control (service helpers, loading, hooking, unloading and the
// decision to share) against a scripted Windows host.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <sstream>

#include "fakes/FakeSerialPorts.h"
#include "meter/PortSharingDriver.h"
#include "meter/SharedPortDecision.h"

using ::testing::ElementsAre;
using Calls = std::vector<std::string>;
using Errors = std::map<std::string, std::deque<uint32_t>>;

namespace {

const std::string kExe = "C:\\Program Files\\Quorvane\\quorvane.exe";
const std::string kSource = "C:\\Program Files\\Quorvane\\KESTRAL.SYS";
const std::string kTarget = "C:\\WINNT\\system32\\drivers\\KESTRAL.SYS";
const std::string kHint = " Loading the driver needs administrator rights.";
const std::string kCreate = "CreateService(KESTRAL, KESTRAL, 0xf01ff, 1, 3, 1, " + kTarget + ")";
const std::string kOpen = "CreateFile(\\\\.\\Global\\KESTRAL, 0xc0000000, 0, 3, 0x80)";
const std::string kCopy = "CopyFile(" + kSource + ", " + kTarget + ", overwrite)";
const std::string kDelete = "DeleteFile(" + kTarget + ")";
const std::string kVersion = "DeviceIoControl(0x83000000, in 0, out 4)";
const std::string kHook = "DeviceIoControl(0x83000004";
const std::string kHookCom3 = kHook + ", in 18, out 0)";
const std::string kUnload = "DeviceIoControl(0x8300000b, in 0, out 0)";
const std::string kShared = "OpenPort(\\\\.\\RIGPORT)";

// `expected` appear in `calls` in this order, other calls allowed in between.
bool InOrder(const Calls& calls, const Calls& expected) {
    auto at = calls.begin();
    for (const auto& call : expected)
        if ((at = std::find(at, calls.end(), call)) == calls.end())
            return false;
        else
            ++at;
    return true;
}

// A scripted Windows host with the driver control on it. Every call, serial opens included,
// is recorded in `calls` with its arguments, as "CreateFile(\\.\Global\KESTRAL, 0xc0000000,
// 0, 3, 0x80)", and succeeds unless `errors` scripts a failure for it.
class Host final : public DriverServices, public SerialPorts {
public:
    explicit Host(Errors scripted = {}) : errors(std::move(scripted)) {}
    std::unique_ptr<SerialPort> Hook(const std::string& name) {
        uint32_t error = 0;
        return rig.HookComPort(name, error);
    }

    // By the start of the recorded call: the codes of its next calls, oldest first; a 0, or
    // none left, lets the call succeed.
    Errors errors;
    uint32_t version = 0x08930005;  // Windows 2000: NT family, major version 5
    std::map<std::string, std::string> dosDevices{{"COM3", "\\Device\\Serial2"},
                                                  {"COM10", "\\Device\\VCP0"}};
    uint32_t driverVersion = 430, outstandingRequests = 0;
    MessageBoxAnswer boxAnswer = MessageBoxAnswer::Yes;
    bool onWin64 = false;

    Calls calls;
    Calls boxes;                 // "caption|Ok|text" or "caption|YesNo|text"
    std::set<OsHandle> handles;  // open ones

    OsHandle OpenSCManager(uint32_t) override { return New(Call("OpenSCManager")); }
    OsHandle CreateService(OsHandle, const ServiceConfig& c) override {
        return New(Call("CreateService", c.name, c.displayName, Hex(c.desiredAccess), c.serviceType,
                        c.startType, c.errorControl, c.binaryPath));
    }
    OsHandle OpenService(OsHandle, const std::string&, uint32_t) override {
        return New(Call("OpenService"));
    }
    bool StartService(OsHandle) override { return Call("StartService"); }
    bool ControlService(OsHandle, uint32_t code) override { return Call("ControlService", code); }
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
    bool DeviceIoControl(OsHandle device, uint32_t code, const void*, uint32_t inputSize,
                         void* output, uint32_t outputSize, uint32_t& bytesReturned) override {
        bytesReturned = 0;
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
    std::string ExecutablePath() override { return kExe; }
    void Sleep(uint32_t milliseconds) override { Call("Sleep", milliseconds); }
    MessageBoxAnswer StopMessageBox(const std::string& caption, const std::string& text,
                                    MessageBoxButtons buttons) override {
        Call("MessageBox");
        const bool ok = buttons == MessageBoxButtons::Ok;
        boxes.push_back(caption + (ok ? "|Ok|" : "|YesNo|") + text);
        return ok ? MessageBoxAnswer::Ok : boxAnswer;
    }
    bool RunsOn64BitWindows() override { return Call("IsWow64Process"), onWin64; }
    uint32_t LastError() override { return lastError_; }
    std::string ErrorText(uint32_t code) override { return "text " + std::to_string(code); }

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

public:
    PortSharingDriver rig{*this, *this};
};

// The first port loads the driver: one left by an earlier run is used as it is, also without
// rights on the manager; else the file is copied, and a second failure is retried after an
// uninstall. Each failure removes the service and keeps one note naming the system's error,
// with no box and no end of the program; later ports are opened directly without another
// try. A port without a DOS target, or one the driver refuses, unloads the driver so that
// the next port loads it anew. Whatever failed, the caller gets its port opened directly.
TEST(PortDriver, LoadingAndHookingOrOpeningDirectly) {
    const Calls giveUp = {"ControlService(1)", "DeleteService", "OpenPort(COM3)"};
    const Calls wrongVersion = {kOpen, kVersion, "CloseHandle"};
    const std::string copyFailed = "Unable to copy KESTRAL.SYS to " + kTarget + ".";
    const std::string versionText =
        "Kestral GUI located a driver with the wrong version. If you just installed a new "
        "version you must reboot before you are able to use it.";
    const struct {
        Errors errors;
        Calls order;       // every device open among them, the last call last
        std::string note;  // the one note kept, if any: then the port is given up
        std::string port = "COM3";
        uint32_t driverVersion = 430;
    } cases[] = {
        {{},
         {"FindFile(" + kSource + ")", "DeleteService", kCreate, "StartService", kOpen,
          "CloseServiceHandle", kVersion, "QueryDosDevice(COM3, 260)", kHookCom3, kShared}},
        {{{"OpenSCManager", {5}}}, {kOpen, kVersion, kShared}},
        {{{"CreateFile", {2}}},
         {kOpen, kCopy, "SetFileAttributes(" + kTarget + ", 0x80)", kCreate, kOpen, kDelete,
          kVersion, kShared}},
        {{{"CreateFile", {2, 2}}},
         {kOpen, kCopy, kOpen, "ControlService(1)", "DeleteService", "Sleep(100)", kOpen, kDelete,
          kShared}},
        {{{"FindFile", {2}}}, {}, "KESTRAL.SYS was not found beside the program. Error 2: text 2."},
        {{{"GetEnvironmentVariable", {203}}},
         {},
         "Could not resolve SYSTEMROOT environment variable Error 203: text 203."},
        {{{"CreateFile", {2}}, {"CopyFile", {5}}},
         {kOpen, kCopy},
         copyFailed + " Error 5: text 5." + kHint},
        {{{"CreateFile", {2}}, {"CopyFile", {32}}}, {kOpen}, copyFailed + " Error 32: text 32."},
        // The error reported is the open's (an unsigned driver: 577), not the start's before it.
        {{{"StartService", {1058, 1058, 1058}}, {"CreateFile", {577, 577, 577}}},
         {kOpen, kOpen, "Sleep(100)", kOpen, kDelete},
         "Error loading KESTRAL (" + kSource + "). Error 577: text 577."},
        {{}, wrongVersion, versionText, "COM3", 429},
        {{}, wrongVersion, versionText, "COM3", 431},
        {{{"DeviceIoControl(0x83000000", {1}}}, wrongVersion, versionText},
        // A failed unload query keeps the device open.
        {{{kHook, {31}}, {"DeviceIoControl(0x8300000b", {6}}},
         {kOpen, kHookCom3, kUnload},
         "Couldn't access device driver Error 6: text 6."},
        {{{kHook, {31}}},
         {kOpen, kHookCom3, kUnload, "DeleteService", "CloseHandle", "OpenPort(COM3)"}},
        {{},
         {kOpen, "QueryDosDevice(COM4, 260)", kUnload, "DeleteService", "CloseHandle",
          "OpenPort(COM4)"},
         "",
         "COM4"}};
    for (const auto& c : cases) {
        Calls order = c.order;
        if (!c.note.empty()) order.insert(order.end(), giveUp.begin(), giveUp.end());
        SCOPED_TRACE(order.back() + " " + c.note);
        Host host(c.errors);
        host.driverVersion = c.driverVersion;
        EXPECT_NE(host.Hook(c.port), nullptr);
        EXPECT_TRUE(InOrder(host.calls, order));
        EXPECT_EQ(host.calls.back(), order.back());
        EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), kOpen),
                  std::count(order.begin(), order.end(), kOpen));
        EXPECT_EQ(host.rig.DriverLoaded(), order.back() == kShared);
        EXPECT_EQ(host.rig.TakeNote(), c.note);
        EXPECT_EQ(host.rig.TakeNote(), "");
        if (!c.note.empty()) {
            // Given up: the next port goes straight to the serial layer.
            host.calls.clear();
            EXPECT_NE(host.Hook("COM5"), nullptr);
            EXPECT_EQ(host.calls, Calls{"OpenPort(COM5)"});
        }
        host.rig.FinalizePortDriver();
        EXPECT_EQ(host.boxes, Calls{});
        EXPECT_EQ(host.handles.size(), c.note.starts_with("Couldn't") ? 1u : 0u);
    }
}

// Only 32-bit NT with the driver beside the program shares the port; outside NT the file is
// not even looked for. On 64-bit Windows the driver is never loaded and the decision leaves
// one note; a failed load's note reaches the caller through the decision.
TEST(PortDriver, SharesOnlyOn32BitNtWithTheDriverBesideTheProgram) {
    const std::string lookedFor = "FindFile(C:\\Program Files\\Quorvane\\kestral.sys)";
    // clang-format off
    for (const auto& [version, findError, win64, last] : {std::tuple{0x08930005u, 0u, false, "IsWow64Process"},
             {0x08930005u, 2u, false, ""}, {0xC0000A04u, 0u, false, "GetVersion"},
             {0x4A61000Au, 0u, true, "IsWow64Process"}, {0x4A61000Au, 2u, true, ""}}) {
        // clang-format on
        Host host(Errors{{"FindFile", {findError, findError}}});
        std::tie(host.version, host.onWin64) = std::tuple(version, win64);
        NullLogger log;
        SharedPortDecision decision(host, host.rig);
        const bool shared = !win64 && *last == 'I';
        EXPECT_EQ(decision.ShouldShare(log) + decision.ShouldShare(log), shared ? 2 : 0);
        EXPECT_EQ(host.calls.back(), *last ? last : lookedFor);
        EXPECT_EQ(decision.TakeNote().find("64-bit Windows cannot load") != std::string::npos,
                  win64 && !findError);
        EXPECT_EQ(decision.TakeNote(), "");
        host.calls.clear();
        host.Hook("COM3");  // the driver itself is not even looked for on 64-bit Windows
        EXPECT_TRUE(!win64 ||
                    host.calls == Calls({"GetVersion", "IsWow64Process", "OpenPort(COM3)"}));
    }
    Host host(Errors{{"CreateFile", {1275, 1275, 1275}}});
    SharedPortDecision decision(host, host.rig);
    uint32_t error = 0;
    decision.HookComPort("COM3", error);
    EXPECT_EQ(decision.TakeNote(), "Error loading KESTRAL (" + kSource +
                                       "). Error 1275: text 1275. The port is opened directly, "
                                       "not shared.");
}

}  // namespace
