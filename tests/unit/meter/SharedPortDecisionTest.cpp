// The Linux side of the port-sharing decision: no driver, ports opened directly.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeSerialPorts.h"
#include "fakes/RecordingLogger.h"
#include "meter/SharedPortDecision.h"
#include "meter/rig_port.h"
#include "platform/linux/LinuxDriverServices.h"

namespace {

using ::testing::ElementsAre;

TEST(LinuxDriverServicesTest, LinuxNeverSharesAndOpensPortsDirectly) {
    LinuxDriverServices linuxOs;
    FakeSerialPorts ports;
    RigPort rig{linuxOs, ports};
    SharedPortDecision decision{linuxOs, rig};
    RecordingLogger log;
    EXPECT_FALSE(decision.ShouldShare(log));
    EXPECT_THAT(log.lines, ElementsAre(::testing::EndsWith("kestral.sys not found.")));
    uint32_t error = 0;
    const auto port = decision.HookComPort("COM3", error);
    EXPECT_NE(port, nullptr);
    EXPECT_FALSE(rig.IsNT());
    EXPECT_THAT(ports.Line("COM3").transcript, ElementsAre("open"));
}

}  // namespace
