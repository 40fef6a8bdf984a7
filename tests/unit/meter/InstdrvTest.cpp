#include "meter/Instdrv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeDriverServices.h"
#include "unit/meter/DriverTestSupport.h"

using ::testing::Contains;

namespace {

class InstdrvTest : public ::testing::Test {
protected:
    void SetUp() override { manager = os.openSCManager(kScManagerAllAccess); }

    FakeDriverServices os;
    OsHandle manager = kNullHandle;
};

TEST_F(InstdrvTest, CreatesDemandStartKernelDriverOnceAndClosesItsHandle) {
    EXPECT_TRUE(CreateDriverService(os, manager, "KESTRAL", kTarget));
    EXPECT_TRUE(CallsInOrder(os.calls,
                             {"CreateService(KESTRAL, KESTRAL, 0xf01ff, 1, 3, 1, " + kTarget + ")",
                              "CloseServiceHandle"}));
    EXPECT_FALSE(CreateDriverService(os, manager, "KESTRAL", kTarget));
    EXPECT_EQ(os.openHandleCount(), 1u);  // the manager only
}

TEST(Instdrv, AlreadyRunningAndDisabledCountAsStarted) {
    for (const auto& [error, started] :
         {std::pair{0u, true}, {1056u, true}, {1058u, true}, {2u, false}, {5u, false}}) {
        SCOPED_TRACE(error);
        FakeDriverServices os;
        const OsHandle manager = os.openSCManager(kScManagerAllAccess);
        os.addFile(kTarget);
        CreateDriverService(os, manager, "KESTRAL", kTarget);
        if (error != 0) os.startErrors.push_back(error);
        EXPECT_EQ(StartDriverService(os, manager, "KESTRAL"), started);
        EXPECT_EQ(os.openHandleCount(), 1u);
    }
}

// The fake only offers the device under the name that matches its system version.
TEST(Instdrv, DeviceNameFollowsTheMajorVersion) {
    for (const uint32_t version :
         {0x05650004u /* NT 4 */, 0x08930005u /* 2000 */, 0x1DB10106u /* 7 */}) {
        SCOPED_TRACE(version);
        FakeDriverServices os;
        os.version = version;
        os.leaveDriverRunning();
        OsHandle device = kInvalidHandle;
        ASSERT_TRUE(OpenDriverDevice(os, "KESTRAL", &device));
        EXPECT_NE(device, kInvalidHandle);
        EXPECT_THAT(os.calls, Contains(::testing::EndsWith(", 0xc0000000, 0, 3, 0x80)")));
        EXPECT_EQ(os.openHandleCount(), 1u);

        EXPECT_TRUE(OpenDriverDevice(os, "KESTRAL"));
        EXPECT_EQ(os.openHandleCount(), 1u);  // the probe's handle was closed again
    }
}

TEST_F(InstdrvTest, UninstallDeletesEvenWhenTheStopFails) {
    os.serviceInstalled = true;  // installed but not running: the stop fails
    UninstallDriver(os, "KESTRAL");
    EXPECT_TRUE(CallsInOrder(os.calls, {"ControlService(1)", "DeleteService"}));
    EXPECT_FALSE(os.serviceInstalled);
    EXPECT_EQ(os.openHandleCount(), 1u);  // only the fixture's manager
}

TEST_F(InstdrvTest, InstallReplacesStaleEntryStartsAndKeepsTheDevice) {
    os.addFile(kTarget);
    os.serviceInstalled = true;
    os.serviceBinary = "C:\\old\\KESTRAL.SYS";
    OsHandle device = kInvalidHandle;
    uint32_t error = 0;
    ASSERT_TRUE(InstallAndOpenDriver(os, "KESTRAL", kTarget, device, error));
    EXPECT_EQ(os.serviceBinary, kTarget);
    EXPECT_TRUE(os.serviceRunning);
    EXPECT_EQ(os.openHandleCount(), 2u);  // fixture's manager and the device
}

TEST_F(InstdrvTest, WithoutManagerRightsARunningDriverStillOpens) {
    os.leaveDriverRunning();
    os.managerAccessDenied = true;
    OsHandle device = kInvalidHandle;
    uint32_t error = 0;
    EXPECT_TRUE(InstallAndOpenDriver(os, "KESTRAL", kTarget, device, error));
    EXPECT_EQ(CallCount(os.calls, "CloseServiceHandle"), 0);
}

}  // namespace
