// The port-sharing driver's control (service helpers, loading, hooking, unloading and the
// decision to share) against a scripted Windows host.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeDriverServices.h"
#include "fakes/RecordingLogger.h"
#include "meter/Instdrv.h"
#include "meter/SharedPortDecision.h"
#include "meter/rig_port.h"

using namespace std::string_literals;
using ::testing::Contains;
using ::testing::ElementsAre;
using Calls = std::vector<std::string>;
using Errors = std::map<std::string, std::deque<uint32_t>>;

namespace {

const std::string kExe = "C:\\Program Files\\Quorvane\\quorvane.exe";
const std::string kSource = "C:\\Program Files\\Quorvane\\KESTRAL.SYS";
const std::string kTarget = "C:\\WINNT\\system32\\drivers\\KESTRAL.SYS";
const std::string kHint =
    " Make sure that you are an administrator, and that Kestral is not already running.";
const std::string kCreate = "CreateService(KESTRAL, KESTRAL, 0xf01ff, 1, 3, 1, " + kTarget + ")";
const std::string kOpen = "CreateFile(\\\\.\\Global\\KESTRAL, 0xc0000000, 0, 3, 0x80)";
const std::string kCopy = "CopyFile(" + kSource + ", " + kTarget + ", overwrite)";
const std::string kVersion = "DeviceIoControl(0x83000000, in 0, out 4)";
const std::string kHook = "DeviceIoControl(0x83000004";
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

struct Host {
    explicit Host(Errors errors = {}) { os.errors = std::move(errors); }
    std::unique_ptr<SerialPort> Hook(const std::string& name) {
        uint32_t error = 0;
        return rig.HookComPort(name, error);
    }
    FakeDriverServices os;
    RigPort rig{os, os};
};

// A running or disabled service counts as started; the service handle is closed either way.
// Without rights on the manager nothing more is tried.
TEST(Instdrv, ServiceStepsAndDeviceName) {
    for (const auto& [failing, error, started] : {std::tuple{"", 0u, true},
                                                  {"StartService", 1056u, true},
                                                  {"StartService", 1058u, true},
                                                  {"StartService", 5u, false},
                                                  {"OpenService", 1060u, false}}) {
        FakeDriverServices os;
        const OsHandle manager = os.OpenSCManager(kScManagerAllAccess);
        os.errors[failing] = {error};
        EXPECT_EQ(StartDriverService(os, manager, "KESTRAL"), started) << error;
        EXPECT_EQ(os.handles, std::set{manager});
    }
    FakeDriverServices denied;
    denied.errors["OpenSCManager"] = {5};
    UninstallDriver(denied, "KESTRAL");
    EXPECT_EQ(denied.calls, Calls{"OpenSCManager(0xf003f)"});
    EXPECT_EQ(DriverDeviceName("KESTRAL", 0x05650004), "\\\\.\\KESTRAL");
}

// A driver left by an earlier run is used as it is, also without rights on the manager;
// else the file is copied, and a second failure is retried after an uninstall.
TEST(PortDriver, LoadingReusesARunningDriverElseCopiesAndRetries) {
    const std::string del = "DeleteFile(" + kTarget + ")";
    const struct {
        Errors errors;
        Calls order;
        long opens;
    } cases[] = {
        {{},
         {"FindFile(" + kSource + ")", "DeleteService", kCreate, "StartService", kOpen,
          "CloseServiceHandle", kVersion},
         1},
        {{{"OpenSCManager", {5}}}, {kOpen, kVersion}, 1},
        {{{"CreateFile", {2}}},
         {kOpen, kCopy, "SetFileAttributes(" + kTarget + ", 0x80)", kCreate, kOpen, del, kVersion},
         2},
        {{{"CreateFile", {2, 2}}},
         {kCopy, kOpen, "ControlService(1)", "DeleteService", "Sleep(100)", kOpen, del},
         3}};
    for (const auto& c : cases) {
        Host host(c.errors);
        EXPECT_TRUE(host.rig.LoadPortDriver()) << c.opens;
        EXPECT_TRUE(InOrder(host.os.calls, c.order)) << c.opens;
        EXPECT_EQ(std::count(host.os.calls.begin(), host.os.calls.end(), kOpen), c.opens);
        EXPECT_EQ(InOrder(host.os.calls, {kCopy}), c.opens > 1);
        EXPECT_EQ(InOrder(host.os.calls, {kCreate}), c.errors.empty() || c.opens > 1);
    }
    Host windows98;
    windows98.os.version = 0xC0000A04;  // nothing but the version is asked
    EXPECT_NE(windows98.Hook("COM3"), nullptr);
    EXPECT_THAT(windows98.os.calls, ElementsAre("GetVersion", "OpenPort(COM3)"));
}

// Each failure removes the service before telling the operator, then asks the program to
// end; the caller still gets its port opened directly.
TEST(PortDriver, FailuresRemoveTheServiceReportAndEnd) {
    const std::string copyFailed = "Unable to copy KESTRAL.SYS to " + kTarget +
                                   " Make sure that KESTRAL.SYS is in the current directory.";
    const std::string wrongVersion =
        "Kestral GUI located a driver with the wrong version. If you just installed a new "
        "version you must reboot before you are able to use it.";
    const struct {
        Errors errors;
        std::string message;
        uint32_t driverVersion = 430;
    } cases[] = {
        {{{"FindFile", {2}}}, "KESTRAL.SYS was not found." + kHint},
        {{{"GetEnvironmentVariable", {203}}}, "Could not resolve SYSTEMROOT environment variable"},
        {{{"CreateFile", {2}}, {"CopyFile", {5}}}, copyFailed + kHint},
        {{{"CreateFile", {2}}, {"CopyFile", {32}}}, copyFailed},  // a sharing violation
        // The error reported is the open's, not the start's before it.
        {{{"StartService", {1058, 1058, 1058}}, {"CreateFile", {2, 2, 2}}},
         "Error loading KESTRAL (" + kSource + "): 2" + kHint},
        {{}, wrongVersion, 429},
        {{}, wrongVersion, 431},
        {{{"DeviceIoControl(0x83000000", {1}}}, wrongVersion},
        // A failed unload query keeps the device open.
        {{{kHook, {31}}, {"DeviceIoControl(0x8300000b", {6}}},
         "Couldn't access device driver" + kHint}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Host host(c.errors);
        host.os.driverVersion = c.driverVersion;
        EXPECT_NE(host.Hook("COM3"), nullptr);
        EXPECT_EQ(host.os.calls.back(), "OpenPort(COM3)");
        host.rig.FinalizePortDriver();
        EXPECT_THAT(host.os.boxes, ElementsAre(kExe + "|Ok|" + c.message));
        EXPECT_TRUE(InOrder(host.os.calls,
                            {"ControlService(1)", "DeleteService", "MessageBox", "PostQuit"}));
        EXPECT_EQ(host.os.handles.size(), c.message.starts_with("Couldn't") ? 1u : 0u);
    }
}

TEST(PortDriver, HookSendsTheLookupResultWithOneMoreNulAndOpensTheSharedPort) {
    Host host;
    host.os.dosDevices["COM10"] = "\\Device\\VCP0";
    EXPECT_NE(host.Hook("COM3"), nullptr);
    EXPECT_TRUE(host.rig.DriverLoaded());
    EXPECT_TRUE(InOrder(host.os.calls, {kVersion, "QueryDosDevice(COM3, 260)",
                                        "DeviceIoControl(0x83000004, in 18, out 0)", kShared}));
    // A second port only sends another hook request; from port 10 on it is opened as
    // "\\.\COM10" but looked up by its bare name.
    host.os.calls.clear();
    EXPECT_NE(host.Hook("\\\\.\\COM10"), nullptr);
    EXPECT_THAT(host.os.calls, ElementsAre("QueryDosDevice(COM10, 260)",
                                           "DeviceIoControl(0x83000004, in 15, out 0)", kShared));
    // "\Device\Serial2" (15), its NUL, the list's closing NUL, and one more.
    EXPECT_THAT(host.os.hookInputs,
                ElementsAre("\\Device\\Serial2\0\0\0"s, "\\Device\\VCP0\0\0\0"s));
}

// A port without a DOS target, or one the driver refuses, is opened directly and the driver
// unloaded again, so that the next port loads it anew.
TEST(PortDriver, PortWithoutDosTargetOrRefusedHookOpensDirectly) {
    for (const std::string port : {"COM4", "COM3"}) {
        Host host(Errors{{kHook, {31}}});
        EXPECT_NE(host.Hook(port), nullptr);
        EXPECT_EQ(host.os.hookInputs.size(), port == "COM3" ? 1u : 0u);
        EXPECT_TRUE(InOrder(host.os.calls, {kUnload, "DeleteService", "OpenPort(" + port + ")"}));
        EXPECT_EQ(host.os.calls.back(), "OpenPort(" + port + ")");
        EXPECT_FALSE(host.rig.DriverLoaded());
        EXPECT_TRUE(host.os.handles.empty() && host.os.boxes.empty());
    }
}

// With requests outstanding the service stays; only "Yes" lets go of the device. Without,
// the driver is removed, and only once.
TEST(PortDriver, FinalizeUnloadsOrAsksWhileRequestsAreOutstanding) {
    const std::string ask =
        kExe +
        "|YesNo|The Kestral device driver cannot unload\n at this time due to oustanding "
        "requests.\n\n Do you wish to exit the GUI now?";
    for (const auto& [outstanding, answer, handlesLeft] : {std::tuple{0u, MessageBoxAnswer::No, 0u},
                                                           {2u, MessageBoxAnswer::Yes, 0u},
                                                           {2u, MessageBoxAnswer::No, 1u}}) {
        Host host;
        host.Hook("COM3");
        host.os.outstandingRequests = outstanding;
        host.os.boxAnswer = answer;
        host.os.calls.clear();
        host.rig.FinalizePortDriver();
        host.rig.FinalizePortDriver();
        EXPECT_EQ(host.os.boxes, outstanding ? Calls{ask} : Calls{});
        EXPECT_EQ(host.os.calls.front(), kUnload);
        EXPECT_EQ(InOrder(host.os.calls, {"ControlService(1)", "DeleteService"}), !outstanding);
        EXPECT_EQ(std::count(host.os.calls.begin(), host.os.calls.end(), kUnload), 1);
        EXPECT_THAT(host.os.calls, ::testing::Not(Contains("PostQuit")));
        EXPECT_EQ(host.os.handles.size(), handlesLeft);
    }
}

// Outside NT the file is not even looked for; a long path is cut for the check but logged
// whole.
TEST(PortDriver, SharesOnlyOnNtWithTheDriverBesideTheProgram) {
    const std::string usual = "C:\\Program Files\\Quorvane\\";
    const std::string deep = "C:\\" + std::string(260, 'q') + "\\";
    const struct {
        uint32_t version;
        std::string folder;
        uint32_t findError;
        std::string lookedFor;  // empty: not looked for
    } cases[] = {{0x08930005, usual, 0, usual + "kestral.sys"},
                 {0x08930005, usual, 2, usual + "kestral.sys"},
                 {0xC0000A04, usual, 0, ""},
                 {0x08930005, deep, 0, deep.substr(0, 255)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lookedFor);
        Host host(Errors{{"FindFile", {c.findError}}});
        SharedPortDecision decision{host.os, host.rig};
        RecordingLogger log;
        host.os.version = c.version;
        host.os.exePath = c.folder + "quorvane.exe";
        const bool shared = !c.lookedFor.empty() && c.findError == 0;
        EXPECT_EQ(decision.ShouldShare(log), shared);
        const std::string path = c.folder + "kestral.sys";
        EXPECT_THAT(log.lines, ElementsAre(shared ? "NT and " + path + " detected."
                                                  : "OS is not NT or " + path + " not found."));
        EXPECT_EQ(host.os.calls.back(),
                  c.lookedFor.empty() ? "GetVersion" : "FindFile(" + c.lookedFor + ")");
        uint32_t error = 0;
        EXPECT_NE(decision.HookComPort("COM3", error), nullptr);
        EXPECT_EQ(host.os.calls.back(), c.version == 0x08930005 ? kShared : "OpenPort(COM3)");
    }
}

}  // namespace
