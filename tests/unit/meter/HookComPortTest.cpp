#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "unit/meter/DriverTestSupport.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using namespace std::string_literals;

class HookComPortTest : public RigPortTest {};

TEST_F(HookComPortTest, SendsTheLookupResultWithOneMoreNulAndOpensTheSharedPort) {
    EXPECT_NE(hook("COM3"), nullptr);
    EXPECT_TRUE(rig.DriverLoaded());
    EXPECT_TRUE(CallsInOrder(
        os.calls, {"QueryDosDevice(COM3, 260)", "DeviceIoControl(0x83000004, in 18, out 0)",
                   "OpenPort(\\\\.\\RIGPORT)"}));

    // A second port only sends another hook request.
    EXPECT_NE(hook("COM1"), nullptr);
    // "\Device\Serial2" (15), its NUL, the list's closing NUL, and one more.
    EXPECT_THAT(os.hookInputs, ElementsAre("\\Device\\Serial2\0\0\0"s, "\\Device\\Serial0\0\0\0"s));
    EXPECT_EQ(CallCount(os.calls, "DeviceIoControl(0x83000000, in 0, out 4)"), 1);
    EXPECT_EQ(CallCount(os.calls, "OpenPort(\\\\.\\RIGPORT)"), 2);
}

TEST_F(HookComPortTest, PortWithoutDosTargetUnloadsAndOpensDirectly) {
    os.directPorts.insert("COM4");
    EXPECT_NE(hook("COM4"), nullptr);
    EXPECT_THAT(os.hookInputs, IsEmpty());
    EXPECT_FALSE(rig.DriverLoaded());
    EXPECT_EQ(os.calls.back(), "OpenPort(COM4)");
    EXPECT_FALSE(os.serviceInstalled);
    EXPECT_EQ(os.openHandleCount(), 0u);
    EXPECT_TRUE(os.boxes.empty());

    // The next port loads the driver again.
    EXPECT_NE(hook("COM3"), nullptr);
    EXPECT_TRUE(rig.DriverLoaded());
    EXPECT_EQ(CallCount(os.calls, "DeviceIoControl(0x83000000, in 0, out 4)"), 2);
}

TEST_F(HookComPortTest, RefusedHookFallsBackToTheDirectPort) {
    os.hookSucceeds = false;
    EXPECT_NE(hook("COM3"), nullptr);
    EXPECT_EQ(os.hookInputs.size(), 1u);
    EXPECT_FALSE(rig.DriverLoaded());
    EXPECT_EQ(os.calls.back(), "OpenPort(COM3)");
}

TEST_F(HookComPortTest, FinalizeWithNothingOutstandingRemovesTheDriverOnce) {
    hook("COM3");
    rig.FinalizePortDriver();
    EXPECT_FALSE(rig.DriverLoaded());
    EXPECT_FALSE(os.serviceInstalled);
    EXPECT_EQ(os.openHandleCount(), 0u);
    EXPECT_TRUE(os.boxes.empty());

    const auto callsBefore = os.calls.size();
    rig.FinalizePortDriver();
    EXPECT_EQ(os.calls.size(), callsBefore);
}

class OutstandingRequestsTest : public HookComPortTest,
                                public ::testing::WithParamInterface<MessageBoxAnswer> {};

TEST_P(OutstandingRequestsTest, FinalizeAsksAndLeavesTheServiceRunning) {
    hook("COM3");
    os.outstandingRequests = 2;
    os.boxAnswer = GetParam();
    rig.FinalizePortDriver();

    ASSERT_EQ(os.boxes.size(), 1u);
    EXPECT_EQ(os.boxes[0].caption, kExePath);
    EXPECT_EQ(os.boxes[0].buttons, MessageBoxButtons::YesNo);
    EXPECT_EQ(os.boxes[0].text,
              "The Kestral device driver cannot unload\n at this time due to oustanding "
              "requests.\n\n Do you wish to exit the GUI now?");
    EXPECT_TRUE(os.serviceRunning);
    EXPECT_FALSE(rig.DriverLoaded());
    // Only "Yes" lets go of the device.
    EXPECT_EQ(os.openHandleCount(), GetParam() == MessageBoxAnswer::No ? 1u : 0u);
    EXPECT_EQ(os.quitRequests, 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, OutstandingRequestsTest,
                         ::testing::Values(MessageBoxAnswer::No, MessageBoxAnswer::Yes),
                         [](const auto& test) {
                             return test.param == MessageBoxAnswer::Yes ? "Yes" : "No";
                         });

}  // namespace
