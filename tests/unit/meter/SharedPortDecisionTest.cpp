#include "meter/SharedPortDecision.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeDriverServices.h"
#include "platform/linux/LinuxDriverServices.h"
#include "unit/meter/DriverTestSupport.h"

using ::testing::ElementsAre;

namespace {

const std::string kCheckedPath = "C:\\Program Files\\Quorvane\\kestral.sys";

class SharedPortDecisionTest : public ::testing::Test {
protected:
    FakeDriverServices os;
    RigPort rig{os, os.ports()};
    SharedPortDecision decision{os, rig};
    RecordingLogger log;
};

TEST_F(SharedPortDecisionTest, SharesOnlyOnNtWithTheDriverBesideTheProgram) {
    const std::string notShared = "OS is not NT or " + kCheckedPath + " not found.";
    EXPECT_FALSE(decision.ShouldShare(log));
    os.addFile(kSource);  // stored in upper case; the check asks in lower case
    EXPECT_TRUE(decision.ShouldShare(log));
    EXPECT_THAT(log.lines, ElementsAre(notShared, "NT and " + kCheckedPath + " detected."));

    // Outside NT the file is not even looked for.
    os.calls.clear();
    os.version = 0xC0000A04;
    EXPECT_FALSE(decision.ShouldShare(log));
    EXPECT_EQ(log.lines.back(), notShared);
    EXPECT_THAT(os.calls, ::testing::Each(::testing::Not(::testing::StartsWith("FindFile"))));
}

TEST_F(SharedPortDecisionTest, LongPathIsCutForTheTestButLoggedWhole) {
    const std::string folder = "C:\\" + std::string(260, 'q') + "\\";
    os.exePath = folder + "quorvane.exe";
    decision.ShouldShare(log);
    EXPECT_THAT(os.calls, ::testing::Contains("FindFile(" + folder.substr(0, 255) + ")"));
    EXPECT_THAT(log.lines, ElementsAre("OS is not NT or " + folder + "kestral.sys not found."));
}

// From port 10 on the port is opened as "\\.\COM10", but looked up by its bare name.
TEST_F(SharedPortDecisionTest, PortTenAndAboveIsSharedToo) {
    os.addFile(kSource);
    os.dosDevices["COM10"] = "\\Device\\VCP0";
    uint32_t error = 0;
    EXPECT_NE(decision.HookComPort("\\\\.\\COM10", error), nullptr);
    EXPECT_TRUE(CallsInOrder(os.calls, {"QueryDosDevice(COM10, 260)", "OpenPort(\\\\.\\RIGPORT)"}));
}

TEST(LinuxDriverServicesTest, LinuxNeverSharesAndOpensPortsDirectly) {
    LinuxDriverServices linuxOs;
    FakeDriverServices portsHost;
    RigPort rig{linuxOs, portsHost.ports()};
    SharedPortDecision decision{linuxOs, rig};
    RecordingLogger log;
    EXPECT_FALSE(decision.ShouldShare(log));
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_THAT(log.lines[0], ::testing::EndsWith("kestral.sys not found."));

    uint32_t error = 0;
    EXPECT_NE(decision.HookComPort("COM3", error), nullptr);
    EXPECT_FALSE(rig.IsNT());
    EXPECT_THAT(portsHost.calls, ElementsAre("OpenPort(COM3)"));
}

}  // namespace
