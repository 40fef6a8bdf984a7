// The Linux side of the port-sharing decision: no driver, ports opened directly.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeDriverServices.h"
#include "fakes/RecordingLogger.h"
#include "meter/SharedPortDecision.h"
#include "meter/rig_port.h"
#include "platform/linux/LinuxDriverServices.h"

namespace {

using ::testing::ElementsAre;

TEST(LinuxDriverServicesTest, LinuxNeverSharesAndOpensPortsDirectly) {
    LinuxDriverServices linuxOs;
    FakeDriverServices portsHost;
    RigPort rig{linuxOs, portsHost.Ports()};
    SharedPortDecision decision{linuxOs, rig};
    RecordingLogger log;
    EXPECT_FALSE(decision.ShouldShare(log));
    EXPECT_THAT(log.lines, ElementsAre(::testing::EndsWith("kestral.sys not found.")));
    uint32_t error = 0;
    EXPECT_NE(decision.HookComPort("COM3", error), nullptr);
    EXPECT_FALSE(rig.IsNT());
    EXPECT_THAT(portsHost.calls, ElementsAre("OpenPort(COM3)"));
}

}  // namespace
