// The serial layer through Wine's COM ports to the meter emulator on a pseudo-terminal:
// wine-run starts one emulator behind COM1 and one behind COM12.

#include "platform/win32/Win32SerialPorts.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "base/Logger.h"
#include "fakes/RecordingPresenter.h"
#include "meter/MeterLink.h"

namespace {

std::string Environment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

// The command bytes the emulator behind COMn has received, one character each.
std::string CommandsReceived(int port) {
    std::ifstream log(Environment("QUORVANE_METER_LOG_" + std::to_string(port)));
    std::string commands;
    std::string line;
    while (std::getline(log, line)) commands += line;
    return commands;
}

class SerialPortTest : public testing::Test {
protected:
    void SetUp() override {
        if (Environment("QUORVANE_METER_PORTS").empty())
            GTEST_SKIP() << "no meter emulator: build with QUORVANE_METER_SIM set to the Linux "
                            "build's meter-sim";
    }

    Win32SerialPorts ports_;
    NullLogger log_;
    RecordingPresenter presenter_;
};

// From COM10 on, ports open under the device prefix.
TEST_F(SerialPortTest, MeterLinkIdentifiesTheMeterAndReadsFramesOnCom1AndCom12) {
    for (const int port : {1, 12}) {
        SCOPED_TRACE("COM" + std::to_string(port));
        const std::string earlier = CommandsReceived(port);
        MeterLink link(ports_, log_, presenter_);
        link.ComPort = port;
        ASSERT_TRUE(link.OpenComPort());
        const std::string identification = link.GetFirmwareInfo(false);
        EXPECT_EQ(identification.rfind("QUORVANE", 0), 0u) << identification;
        ASSERT_FALSE(link.FirmwareVersion.empty()) << identification;
        EXPECT_NE(identification.find("Version " + link.FirmwareVersion), std::string::npos);
        ExchangeRequest request;
        for (const bool psk63 : {false, true}) {
            request.Psk63Checked = psk63;
            const GraphExchangeResult frame = link.GraphExchange(request);
            EXPECT_FALSE(frame.IdentificationText);
            EXPECT_EQ(frame.Reply.size(), 64u);
        }
        EXPECT_EQ(CommandsReceived(port).substr(earlier.size()), "vsS");
    }
    EXPECT_TRUE(presenter_.shown.empty());

    uint32_t error = 0;
    EXPECT_EQ(ports_.open("\\\\.\\COM99", error), nullptr);
    EXPECT_NE(error, 0u);
    EXPECT_FALSE(ports_.errorText(error).empty()) << error;
}

// Wine does not keep serial devices exclusive, so a plain file shows the sharing mode.
TEST(SerialOpenTest, NobodyElseOpensWhatIsOpen) {
    char folder[MAX_PATH] = {};
    const std::string path = std::string(folder, GetTempPathA(MAX_PATH, folder)) + "qvtest-port-" +
                             std::to_string(GetCurrentProcessId());
    std::ofstream(path) << "x";
    Win32SerialPorts ports;
    uint32_t error = 0;
    {
        const auto first = ports.open(path, error);
        ASSERT_NE(first, nullptr) << error;
        EXPECT_EQ(ports.open(path, error), nullptr);
        EXPECT_EQ(error, static_cast<uint32_t>(ERROR_SHARING_VIOLATION));
    }
    EXPECT_NE(ports.open(path, error), nullptr) << "closed with the port object";
    DeleteFileA(path.c_str());
}

TEST_F(SerialPortTest, SettingsReadBackAndReadsEndAtCountOrAtTheTotalTimeout) {
    uint32_t error = 0;
    auto port = ports_.open("COM1", error);
    ASSERT_NE(port, nullptr) << ports_.errorText(error);

    CommState state;
    ASSERT_TRUE(port->getCommState(state));
    state.BaudRate = 19200;
    state.ByteSize = 8;
    state.Parity = 0;
    state.StopBits = 0;
    state.Flags = 1;
    ASSERT_TRUE(port->setCommState(state)) << port->lastError();
    CommState readBack;
    ASSERT_TRUE(port->getCommState(readBack));
    EXPECT_EQ(readBack.BaudRate, 19200u);
    EXPECT_EQ(readBack.ByteSize, 8);
    EXPECT_EQ(readBack.Parity, 0);
    EXPECT_EQ(readBack.StopBits, 0);
    EXPECT_EQ(readBack.Flags & 1u, 1u) << "binary mode";

    CommTimeouts timeouts;
    ASSERT_TRUE(port->getCommTimeouts(timeouts));
    timeouts.ReadIntervalTimeout = 0;
    timeouts.ReadTotalTimeoutMultiplier = 5;
    timeouts.ReadTotalTimeoutConstant = 0;
    ASSERT_TRUE(port->setCommTimeouts(timeouts));
    CommTimeouts timeoutsBack;
    ASSERT_TRUE(port->getCommTimeouts(timeoutsBack));
    EXPECT_EQ(timeoutsBack.ReadTotalTimeoutMultiplier, 5u);
    EXPECT_EQ(timeoutsBack.ReadIntervalTimeout, 0u);
    EXPECT_EQ(timeoutsBack.ReadTotalTimeoutConstant, 0u);

    uint8_t buffer[255];
    std::size_t count = 0;
    // Nothing pending: the read gives up when its time-out runs out.
    ASSERT_TRUE(port->read(buffer, 83, count));
    EXPECT_EQ(count, 0u);

    std::size_t written = 0;
    ASSERT_TRUE(port->write(reinterpret_cast<const uint8_t*>("s"), 1, written));
    EXPECT_EQ(written, 1u);
    // More asked for than the frame holds: the time-out ends the read with the frame.
    ASSERT_TRUE(port->read(buffer, 83, count));
    EXPECT_EQ(count, 64u);

    ASSERT_TRUE(port->write(reinterpret_cast<const uint8_t*>("v"), 1, written));
    ASSERT_TRUE(port->read(buffer, 8, count));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), count), "QUORVANE");
    ASSERT_TRUE(port->read(buffer, 83, count));
    EXPECT_GT(count, 0u) << "the rest of the identification";
}

}  // namespace
