// The serial layer against the meter emulator on a real pseudo-terminal, reached the way
// the program reaches a port: through a dosdevices link.

#include <gtest/gtest.h>

#include <cerrno>
#include <tuple>

#include "platform/linux/LinuxSerialPorts.h"
#include "support/MeterSim.h"
#include "support/TempConfigHome.h"

namespace {

// The emulator as COM5. The line is the program's alone while open. Settings read back as
// they were set: the speed, the stop bits and the DTR and RTS line control in the flag word
// (a pseudo-terminal keeps neither byte size nor parity). A read returns what arrived within
// its time-out, and the next reply is not mixed up with the ones before it. A flush takes
// what has arrived and never waits for more, whatever the time-outs say.
TEST(MeterEmulatorTest, SettingsReadBackAndReadsTakeWhatArrived) {
    TempConfigHome home;
    MeterSim sim(home.ConfigDir() + "/dosdevices/com5", {});
    LinuxSerialPorts ports;
    uint32_t error = 0;
    const std::unique_ptr<SerialPort> port = ports.Open("COM5", error);
    ASSERT_NE(port, nullptr) << ports.ErrorText(error);
    EXPECT_EQ(ports.Open("COM5", error), nullptr);
    EXPECT_EQ(error, static_cast<uint32_t>(EBUSY));
    const uint32_t dtrOn = 1u << 4, rtsOn = 1u << 12, binary = 1;
    for (const CommState& set :
         {CommState{.BaudRate = 110, .Flags = binary | dtrOn | rtsOn, .StopBits = 2},
          CommState{.BaudRate = 9600, .Flags = binary}}) {
        ASSERT_TRUE(port->SetCommState(set)) << set.BaudRate;
        CommState got;
        ASSERT_TRUE(port->GetCommState(got));
        EXPECT_EQ(std::tie(got.BaudRate, got.Flags, got.StopBits),
                  std::tie(set.BaudRate, set.Flags, set.StopBits));
    }

    CommTimeouts timeouts;
    timeouts.ReadTotalTimeoutMultiplier = 5;  // as the link sets it up
    ASSERT_TRUE(port->SetCommTimeouts(timeouts));
    std::string buffer(83, '\0');
    auto* bytes = reinterpret_cast<uint8_t*>(buffer.data());
    std::size_t count = 0;
    const auto exchange = [&](std::size_t wanted) {  // what one data query brings back
        EXPECT_TRUE(port->Write(reinterpret_cast<const uint8_t*>("s"), 1, count));
        EXPECT_TRUE(port->Read(bytes, wanted, count));
        return count;
    };
    const auto pending = [&] {
        EXPECT_TRUE(port->ReadPending(bytes, buffer.size(), count));
        return count;
    };
    for (const auto& [scenario, size] : {std::pair{"short", 40u}, {"silent", 0u}, {"clean", 64u}}) {
        sim.SetScenario(scenario);
        EXPECT_EQ(exchange(64), size) << scenario;
    }
    sim.SetScenario("short");
    EXPECT_EQ(exchange(10), 10u);
    ASSERT_TRUE(port->SetCommTimeouts(CommTimeouts{}));  // all zero: reads wait for every byte
    std::size_t rest = 0;
    while (rest < 30) rest += pending();  // the 40-byte reply's other 30, as they come
    EXPECT_EQ(rest, 30u);
    EXPECT_EQ(pending(), 0u);
}

}  // namespace
