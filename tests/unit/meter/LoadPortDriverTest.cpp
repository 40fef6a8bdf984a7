#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "unit/meter/DriverTestSupport.h"

using ::testing::Each;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

class LoadPortDriverTest : public RigPortTest {};

TEST_F(LoadPortDriverTest, OutsideNtNothingButTheVersionIsAsked) {
    os.version = 0xC0000A04;  // Windows 98
    EXPECT_FALSE(rig.LoadPortDriver());
    EXPECT_FALSE(rig.IsNT());

    EXPECT_NE(hook("COM3"), nullptr);
    EXPECT_THAT(os.calls, ::testing::ElementsAre("GetVersion", "GetVersion", "OpenPort(COM3)"));
}

TEST_F(LoadPortDriverTest, DriverLeftRunningIsReusedOnTheFirstAttempt) {
    os.leaveDriverRunning();  // its file was removed after that earlier load
    EXPECT_TRUE(rig.LoadPortDriver());
    EXPECT_TRUE(rig.IsNT());
    EXPECT_NE(rig.DriverHandle(), kInvalidHandle);
    EXPECT_THAT(os.calls, Each(Not(StartsWith("CopyFile"))));
    EXPECT_EQ(CallCount(os.calls, "StartService"), 1);
    EXPECT_TRUE(os.boxes.empty());
}

TEST_F(LoadPortDriverTest, FreshSystemCopiesStartsAndRemovesTheCopy) {
    EXPECT_TRUE(rig.LoadPortDriver());
    EXPECT_TRUE(CallsInOrder(
        os.calls, {"CopyFile(" + kSource + ", " + kTarget + ", overwrite)",
                   "SetFileAttributes(" + kTarget + ", 0x80)", "DeleteFile(" + kTarget + ")",
                   "DeviceIoControl(0x83000000, in 0, out 4)"}));
    EXPECT_EQ(CallCount(os.calls, "StartService"), 2);
    EXPECT_THAT(os.calls, Each(Not(StartsWith("Sleep"))));
    EXPECT_TRUE(os.serviceRunning);
    EXPECT_FALSE(os.hasFile(kTarget));
}

TEST_F(LoadPortDriverTest, ThirdAttemptFollowsUninstallAndAPause) {
    os.startErrors = {kErrorFileNotFound, 1072};  // second start: stale entry not gone yet
    EXPECT_TRUE(rig.LoadPortDriver());
    EXPECT_TRUE(
        CallsInOrder(os.calls, {"CopyFile(" + kSource + ", " + kTarget + ", overwrite)",
                                "StartService", "ControlService(1)", "DeleteService", "Sleep(100)",
                                "StartService", "DeleteFile(" + kTarget + ")"}));
    EXPECT_EQ(CallCount(os.calls, "StartService"), 3);
    EXPECT_FALSE(os.hasFile(kTarget));
}

struct Failure {
    const char* name;
    std::function<void(FakeDriverServices&)> setUp;
    std::string message;
    std::size_t handlesLeft = 0;  // a failed unload query keeps the device open
};

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.name;
}

class DriverFailureTest : public LoadPortDriverTest,
                          public ::testing::WithParamInterface<Failure> {};

// Each failure removes the service before telling the operator, then asks the program to
// end; the caller still gets its port opened directly.
TEST_P(DriverFailureTest, RemovesServiceReportsAndEnds) {
    os.serviceInstalled = true;  // a stale entry from an earlier run
    os.serviceBinary = kTarget;
    GetParam().setUp(os);
    EXPECT_NE(hook("COM3"), nullptr);
    EXPECT_FALSE(rig.DriverLoaded());
    rig.FinalizePortDriver();

    ASSERT_EQ(os.boxes.size(), 1u);
    EXPECT_EQ(os.boxes[0].text, GetParam().message);
    EXPECT_EQ(os.boxes[0].caption, kExePath);
    EXPECT_EQ(os.boxes[0].buttons, MessageBoxButtons::Ok);
    EXPECT_FALSE(os.boxes[0].serviceInstalled);
    EXPECT_EQ(os.quitRequests, 1);
    EXPECT_EQ(os.calls.back(), "OpenPort(COM3)");
    EXPECT_FALSE(os.hasFile(kTarget));
    EXPECT_EQ(os.openHandleCount(), GetParam().handlesLeft);
}

const std::string kWrongVersion =
    "Kestral GUI located a driver with the wrong version. If you just installed a new version "
    "you must reboot before you are able to use it.";
const std::string kCopyFailed = "Unable to copy KESTRAL.SYS to " + kTarget +
                                " Make sure that KESTRAL.SYS is in the current directory.";

using Host = FakeDriverServices;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, DriverFailureTest, ::testing::Values(
    Failure{"FileMissing", [](Host& os) {
                os.removeFile(kSource);
                os.addFile("C:\\WINNT\\system32\\KESTRAL.SYS");  // on the search path
            }, "KESTRAL.SYS was not found." + kAdminHint},
    Failure{"NoSystemRoot", [](Host& os) { os.environment.erase("SYSTEMROOT"); },
            "Could not resolve SYSTEMROOT environment variable"},
    Failure{"CopyDenied", [](Host& os) { os.copyError = kErrorAccessDenied; },
            kCopyFailed + kAdminHint},
    Failure{"CopySharingViolation", [](Host& os) { os.copyError = 32; }, kCopyFailed},
    Failure{"AllAttemptsFail", [](Host& os) { os.startErrors = {1058, 1058, 1058}; },
            "Error loading KESTRAL (" + kSource + "): 2" + kAdminHint},
    Failure{"Version429", [](Host& os) { os.leaveDriverRunning(); os.driverVersion = 429; },
            kWrongVersion},
    Failure{"Version431", [](Host& os) { os.leaveDriverRunning(); os.driverVersion = 431; },
            kWrongVersion},
    Failure{"UnloadQueryDenied", [](Host& os) {
                os.hookSucceeds = false;
                os.unloadQueryError = kErrorInvalidHandle;
            }, "Couldn't access device driver" + kAdminHint, 1}),
    [](const auto& test) { return std::string(test.param.name); });
// clang-format on

}  // namespace
