// The serial layer against the meter emulator on a real pseudo-terminal, reached the way
// the program reaches a port: through a dosdevices link.

#include <gtest/gtest.h>

#include <cerrno>
#include <tuple>

#include "platform/linux/LinuxSerialPorts.h"
#include "support/MeterSim.h"
#include "support/TempConfigHome.h"

namespace {

class MeterEmulatorTest : public ::testing::Test {
protected:
    // Starts the emulator as COM5 and opens the port as the link sets it up: 5 ms a byte.
    void SetUp() override {
        sim =
            std::make_unique<MeterSim>(home.ConfigDir() + "/dosdevices/com5", MeterSim::Options{});
        uint32_t error = 0;
        port = ports.Open("COM5", error);
        ASSERT_NE(port, nullptr) << ports.ErrorText(error);
        CommTimeouts timeouts;
        timeouts.ReadTotalTimeoutMultiplier = 5;
        ASSERT_TRUE(port->SetCommTimeouts(timeouts));
    }
    // What one command brings back within the time-outs.
    std::string Exchange(char command, std::size_t count = 64) {
        std::size_t written = 0, received = 0;
        EXPECT_TRUE(port->Write(reinterpret_cast<const uint8_t*>(&command), 1, written));
        std::string buffer(count, '\0');
        EXPECT_TRUE(port->Read(reinterpret_cast<uint8_t*>(buffer.data()), count, received));
        return buffer.substr(0, received);
    }

    TempConfigHome home;
    std::unique_ptr<MeterSim> sim;
    LinuxSerialPorts ports;
    std::unique_ptr<SerialPort> port;
};

// Settings read back as they were set: the speed, the stop bits and the DTR and RTS line
// control in the flag word (a pseudo-terminal keeps neither byte size nor parity). The line
// is the program's alone while open.
TEST_F(MeterEmulatorTest, PortSettingsReadBack) {
    uint32_t error = 0;
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
}

// A read returns what arrived within its time-out, and the next reply is not mixed up with
// the ones before it. A flush takes what has arrived and never waits for more, whatever the
// time-outs say.
TEST_F(MeterEmulatorTest, ReadsTakeWhatArrived) {
    const auto pending = [&] {
        std::string buffer(83, '\0');
        std::size_t received = 0;
        EXPECT_TRUE(port->ReadPending(reinterpret_cast<uint8_t*>(buffer.data()), 83, received));
        return buffer.substr(0, received);
    };
    for (const auto& [scenario, size] : {std::pair{"short", 40u}, {"silent", 0u}, {"clean", 64u}}) {
        sim->SetScenario(scenario);
        EXPECT_EQ(Exchange('s').size(), size) << scenario;
    }
    sim->SetScenario("short");
    EXPECT_EQ(Exchange('s', 10).size(), 10u);
    ASSERT_TRUE(port->SetCommTimeouts(CommTimeouts{}));  // all zero: reads wait for every byte
    std::string rest;
    while (rest.size() < 30) rest += pending();  // the 40-byte reply's other 30, as they come
    EXPECT_EQ(rest.size(), 30u);
    EXPECT_EQ(pending(), "");
}

}  // namespace
