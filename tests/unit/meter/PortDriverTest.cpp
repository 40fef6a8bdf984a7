// The port-sharing driver's control (service helpers, loading, hooking, unloading and the
// decision to share) against a simulated Windows host.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "fakes/FakeDriverServices.h"
#include "fakes/RecordingLogger.h"
#include "meter/Instdrv.h"
#include "meter/SharedPortDecision.h"
#include "meter/rig_port.h"

using namespace std::string_literals;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

const std::string kExePath = "C:\\Program Files\\Quorvane\\quorvane.exe";
const std::string kSource = "C:\\Program Files\\Quorvane\\KESTRAL.SYS";
const std::string kTarget = "C:\\WINNT\\system32\\drivers\\KESTRAL.SYS";
const std::string kAdminHint =
    " Make sure that you are an administrator, and that Kestral is not already running.";
const std::string kVersionQuery = "DeviceIoControl(0x83000000, in 0, out 4)";
const std::string kCopy = "CopyFile(" + kSource + ", " + kTarget + ", overwrite)";
const std::string kShared = "OpenPort(\\\\.\\RIGPORT)";

// `expected` appear in `calls` in this order, other calls allowed in between.
::testing::AssertionResult CallsInOrder(const std::vector<std::string>& calls,
                                        const std::vector<std::string>& expected) {
    auto at = calls.begin();
    for (const auto& call : expected)
        if ((at = std::find(at, calls.end(), call)) == calls.end())
            return ::testing::AssertionFailure() << "missing or out of order: " << call;
        else
            ++at;
    return ::testing::AssertionSuccess();
}
long CallCount(const std::vector<std::string>& calls, const std::string& call) {
    return std::count(calls.begin(), calls.end(), call);
}

// A fresh NT host with the driver file beside the program.
class PortDriverTest : public ::testing::Test {
protected:
    void SetUp() override { os.AddFile(kSource); }
    std::unique_ptr<SerialPort> Hook(const std::string& name) {
        uint32_t error = 0;
        return rig.HookComPort(name, error);
    }

    FakeDriverServices os;
    RigPort rig{os, os.Ports()};
    SharedPortDecision decision{os, rig};
    RecordingLogger log;
};

TEST(Instdrv, ServiceIsADemandStartKernelDriverAndRunningOrDisabledCountsAsStarted) {
    for (const auto& [error, started] :
         {std::pair{0u, true}, {1056u, true}, {1058u, true}, {5u, false}}) {
        FakeDriverServices os;
        const OsHandle manager = os.OpenSCManager(kScManagerAllAccess);
        os.AddFile(kTarget);
        EXPECT_TRUE(CreateDriverService(os, manager, "KESTRAL", kTarget));
        EXPECT_FALSE(CreateDriverService(os, manager, "KESTRAL", kTarget));
        EXPECT_EQ(os.calls[1],
                  "CreateService(KESTRAL, KESTRAL, 0xf01ff, 1, 3, 1, " + kTarget + ")");
        if (error != 0) os.startErrors.push_back(error);
        EXPECT_EQ(StartDriverService(os, manager, "KESTRAL"), started) << error;
        EXPECT_EQ(os.OpenHandleCount(), 1u);  // the manager only
    }
}

// The fake only offers the device under the name that matches its system version.
TEST(Instdrv, DeviceNameFollowsTheMajorVersionAndTheProbeClosesItsHandle) {
    for (const uint32_t version : {0x05650004u /* NT 4 */, 0x08930005u /* 2000 */}) {
        FakeDriverServices os;
        os.version = version;
        os.LeaveDriverRunning();
        OsHandle device = kInvalidHandle;
        ASSERT_TRUE(OpenDriverDevice(os, "KESTRAL", &device)) << version;
        EXPECT_THAT(os.calls, Contains(::testing::EndsWith(", 0xc0000000, 0, 3, 0x80)")));
        EXPECT_TRUE(OpenDriverDevice(os, "KESTRAL"));
        EXPECT_EQ(os.OpenHandleCount(), 1u);
    }
}

TEST_F(PortDriverTest, InstallReplacesStaleEntryAndARunningDriverOpensWithoutManagerRights) {
    os.AddFile(kTarget);
    os.serviceInstalled = true;
    os.serviceBinary = "C:\\old\\KESTRAL.SYS";
    OsHandle device = kInvalidHandle;
    uint32_t error = 0;
    ASSERT_TRUE(InstallAndOpenDriver(os, "KESTRAL", kTarget, device, error));
    EXPECT_EQ(os.serviceBinary, kTarget);
    EXPECT_EQ(os.OpenHandleCount(), 1u);  // the device
    os.managerAccessDenied = true;
    EXPECT_TRUE(InstallAndOpenDriver(os, "KESTRAL", kTarget, device, error));
}

TEST_F(PortDriverTest, LoadingReusesARunningDriverElseCopiesAndRetriesAfterAnUninstall) {
    os.version = 0xC0000A04;  // Windows 98: nothing but the version is asked
    EXPECT_FALSE(rig.LoadPortDriver());
    EXPECT_NE(Hook("COM3"), nullptr);
    EXPECT_THAT(os.calls, ElementsAre("GetVersion", "GetVersion", "OpenPort(COM3)"));

    const struct {
        bool leftRunning;
        std::deque<uint32_t> startErrors;
        std::vector<std::string> order;
        long starts;
    } cases[] = {{true, {}, {"StartService", kVersionQuery}, 1},
                 {false,
                  {},
                  {kCopy, "SetFileAttributes(" + kTarget + ", 0x80)", "DeleteFile(" + kTarget + ")",
                   kVersionQuery},
                  2},
                 // The first start fails, the stop of what is not running too, and the second start
                 // finds the stale entry not gone yet.
                 {false,
                  {kErrorFileNotFound, 1072},
                  {kCopy, "StartService", "ControlService(1)", "DeleteService", "Sleep(100)",
                   "StartService", "DeleteFile(" + kTarget + ")"},
                  3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.starts);
        FakeDriverServices host;
        host.AddFile(kSource);
        if (c.leftRunning) host.LeaveDriverRunning();  // its file was removed after that load
        host.startErrors = c.startErrors;
        RigPort port{host, host.Ports()};
        EXPECT_TRUE(port.LoadPortDriver());
        EXPECT_TRUE(CallsInOrder(host.calls, c.order));
        EXPECT_EQ(CallCount(host.calls, "StartService"), c.starts);
        EXPECT_EQ(CallCount(host.calls, kCopy), !c.leftRunning);
        EXPECT_FALSE(host.HasFile(kTarget));
    }
}

const std::string kWrongVersion =
    "Kestral GUI located a driver with the wrong version. If you just installed a new version "
    "you must reboot before you are able to use it.";
const std::string kCopyFailed = "Unable to copy KESTRAL.SYS to " + kTarget +
                                " Make sure that KESTRAL.SYS is in the current directory.";

// Each failure removes the service before telling the operator, then asks the program to
// end; the caller still gets its port opened directly.
TEST(PortDriverFailure, RemovesServiceReportsAndEnds) {
    using Host = FakeDriverServices;
    const struct {
        std::function<void(Host&)> setUp;
        std::string message;
        std::size_t handlesLeft = 0;  // a failed unload query keeps the device open
    } cases[] = {
        {[](Host& os) {
             os.RemoveFile(kSource);
             os.AddFile("C:\\WINNT\\system32\\KESTRAL.SYS");  // on the search path
         },
         "KESTRAL.SYS was not found." + kAdminHint},
        {[](Host& os) { os.systemRoot.clear(); },
         "Could not resolve SYSTEMROOT environment variable"},
        {[](Host& os) { os.copyError = kErrorAccessDenied; }, kCopyFailed + kAdminHint},
        {[](Host& os) { os.copyError = 32; }, kCopyFailed},  // a sharing violation
        {[](Host& os) {
             os.startErrors = {1058, 1058, 1058};
         },
         "Error loading KESTRAL (" + kSource + "): 2" + kAdminHint},
        {[](Host& os) { os.LeaveDriverRunning(), os.driverVersion = 429; }, kWrongVersion},
        {[](Host& os) { os.LeaveDriverRunning(), os.driverVersion = 431; }, kWrongVersion},
        {[](Host& os) { os.hookSucceeds = false, os.unloadQueryError = kErrorInvalidHandle; },
         "Couldn't access device driver" + kAdminHint, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Host os;
        os.AddFile(kSource);
        os.serviceInstalled = true;  // a stale entry from an earlier run
        os.serviceBinary = kTarget;
        c.setUp(os);
        RigPort rig{os, os.Ports()};
        uint32_t error = 0;
        EXPECT_NE(rig.HookComPort("COM3", error), nullptr);
        EXPECT_EQ(os.calls.back(), "OpenPort(COM3)");
        rig.FinalizePortDriver();
        ASSERT_EQ(os.boxes.size(), 1u);
        const auto& box = os.boxes[0];
        EXPECT_EQ(std::tuple(box.text, box.caption, box.buttons, box.serviceInstalled),
                  std::tuple(c.message, kExePath, MessageBoxButtons::Ok, false));
        EXPECT_EQ(CallCount(os.calls, "PostQuit"), 1);
        EXPECT_FALSE(os.HasFile(kTarget));
        EXPECT_EQ(os.OpenHandleCount(), c.handlesLeft);
    }
}

TEST_F(PortDriverTest, HookSendsTheLookupResultWithOneMoreNulAndOpensTheSharedPort) {
    EXPECT_NE(Hook("COM3"), nullptr);
    EXPECT_TRUE(rig.DriverLoaded());
    EXPECT_TRUE(CallsInOrder(os.calls, {"QueryDosDevice(COM3, 260)",
                                        "DeviceIoControl(0x83000004, in 18, out 0)", kShared}));
    // A second port only sends another hook request.
    EXPECT_NE(Hook("COM1"), nullptr);
    // "\Device\Serial2" (15), its NUL, the list's closing NUL, and one more.
    EXPECT_THAT(os.hookInputs, ElementsAre("\\Device\\Serial2\0\0\0"s, "\\Device\\Serial0\0\0\0"s));
    EXPECT_EQ(CallCount(os.calls, kVersionQuery), 1);
    EXPECT_EQ(CallCount(os.calls, kShared), 2);

    // Finalizing with nothing outstanding removes the driver, once.
    rig.FinalizePortDriver();
    EXPECT_FALSE(rig.DriverLoaded());
    EXPECT_FALSE(os.serviceInstalled);
    EXPECT_EQ(os.OpenHandleCount(), 0u);
    const auto callsBefore = os.calls.size();
    rig.FinalizePortDriver();
    EXPECT_EQ(os.calls.size(), callsBefore);
    EXPECT_TRUE(os.boxes.empty());
}

TEST_F(PortDriverTest, PortWithoutDosTargetOrRefusedHookOpensDirectly) {
    EXPECT_NE(Hook("COM4"), nullptr);
    EXPECT_TRUE(os.hookInputs.empty());
    EXPECT_EQ(os.calls.back(), "OpenPort(COM4)");
    EXPECT_FALSE(os.serviceInstalled);  // unloaded again
    EXPECT_EQ(os.OpenHandleCount(), 0u);

    os.hookSucceeds = false;  // the next port loads the driver again, which refuses
    EXPECT_NE(Hook("COM3"), nullptr);
    EXPECT_EQ(CallCount(os.calls, kVersionQuery), 2);
    EXPECT_EQ(os.hookInputs.size(), 1u);
    EXPECT_FALSE(rig.DriverLoaded());
    EXPECT_EQ(os.calls.back(), "OpenPort(COM3)");
    EXPECT_TRUE(os.boxes.empty());
}

TEST_F(PortDriverTest, FinalizeWithOutstandingRequestsAsksAndLeavesTheServiceRunning) {
    for (const auto answer : {MessageBoxAnswer::Yes, MessageBoxAnswer::No}) {
        Hook("COM3");
        os.outstandingRequests = 2;
        os.boxAnswer = answer;
        rig.FinalizePortDriver();
        EXPECT_EQ(os.boxes.back().text,
                  "The Kestral device driver cannot unload\n at this time due to oustanding "
                  "requests.\n\n Do you wish to exit the GUI now?");
        EXPECT_EQ(std::pair(os.boxes.back().caption, os.boxes.back().buttons),
                  std::pair(kExePath, MessageBoxButtons::YesNo));
        EXPECT_TRUE(os.serviceRunning);
        // Only "Yes" lets go of the device.
        EXPECT_EQ(os.OpenHandleCount(), answer == MessageBoxAnswer::No ? 1u : 0u);
    }
    EXPECT_EQ(CallCount(os.calls, "PostQuit"), 0);
}

TEST_F(PortDriverTest, SharesOnlyOnNtWithTheDriverBesideTheProgram) {
    const std::string checked = "C:\\Program Files\\Quorvane\\kestral.sys";
    const std::string notShared = "OS is not NT or " + checked + " not found.";
    os.RemoveFile(kSource);
    EXPECT_FALSE(decision.ShouldShare(log));
    os.AddFile(kSource);  // stored in upper case; the check asks in lower case
    EXPECT_TRUE(decision.ShouldShare(log));
    EXPECT_THAT(log.lines, ElementsAre(notShared, "NT and " + checked + " detected."));

    // From port 10 on the port is opened as "\\.\COM10", but looked up by its bare name.
    os.dosDevices["COM10"] = "\\Device\\VCP0";
    uint32_t error = 0;
    EXPECT_NE(decision.HookComPort("\\\\.\\COM10", error), nullptr);
    EXPECT_TRUE(CallsInOrder(os.calls, {"QueryDosDevice(COM10, 260)", kShared}));

    // Outside NT the file is not even looked for.
    os.calls.clear();
    os.version = 0xC0000A04;
    EXPECT_FALSE(decision.ShouldShare(log));
    EXPECT_EQ(log.lines.back(), notShared);
    EXPECT_THAT(os.calls, ::testing::Each(Not(StartsWith("FindFile"))));

    // A long path is cut for the check but logged whole.
    const std::string folder = "C:\\" + std::string(260, 'q') + "\\";
    os.version = 0x08930005;
    os.exePath = folder + "quorvane.exe";
    decision.ShouldShare(log);
    EXPECT_THAT(os.calls, Contains("FindFile(" + folder.substr(0, 255) + ")"));
    EXPECT_EQ(log.lines.back(), "OS is not NT or " + folder + "kestral.sys not found.");
}

}  // namespace
