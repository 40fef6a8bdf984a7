#include "meter/Instdrv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeDriverServices.h"
#include "unit/driver/DriverTestSupport.h"

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

class StartDriverServiceTest : public InstdrvTest,
                               public ::testing::WithParamInterface<std::pair<uint32_t, bool>> {};

TEST_P(StartDriverServiceTest, AlreadyRunningAndDisabledCountAsStarted) {
    os.addFile(kTarget);
    CreateDriverService(os, manager, "KESTRAL", kTarget);
    const auto [error, started] = GetParam();
    if (error != 0) os.startErrors.push_back(error);
    EXPECT_EQ(StartDriverService(os, manager, "KESTRAL"), started);
    EXPECT_EQ(os.openHandleCount(), 1u);
}

INSTANTIATE_TEST_SUITE_P(StartErrors, StartDriverServiceTest,
                         ::testing::Values(std::pair{0u, true}, std::pair{1056u, true},
                                           std::pair{1058u, true}, std::pair{2u, false},
                                           std::pair{5u, false}));

class OpenDriverDeviceTest : public InstdrvTest, public ::testing::WithParamInterface<uint32_t> {};

// The fake only offers the device under the name that matches its system version.
TEST_P(OpenDriverDeviceTest, DeviceNameFollowsTheMajorVersion) {
    os.version = GetParam();
    os.leaveDriverRunning();
    OsHandle device = kInvalidHandle;
    ASSERT_TRUE(OpenDriverDevice(os, "KESTRAL", &device));
    EXPECT_NE(device, kInvalidHandle);
    EXPECT_THAT(os.calls, Contains(::testing::EndsWith(", 0xc0000000, 0, 3, 0x80)")));
    EXPECT_EQ(os.openHandleCount(), 2u);

    EXPECT_TRUE(OpenDriverDevice(os, "KESTRAL"));
    EXPECT_EQ(os.openHandleCount(), 2u);  // the probe's handle was closed again
}

INSTANTIATE_TEST_SUITE_P(Versions, OpenDriverDeviceTest,
                         ::testing::Values(0x05650004u /* NT 4 */, 0x08930005u /* 2000 */,
                                           0x1DB10106u /* 7 */));

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
