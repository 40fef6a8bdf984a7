// The serial layer through Wine's COM ports to the meter emulators wine-run starts behind
// COM1 and COM12.

#include "platform/win32/Win32SerialPorts.h"

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <tuple>

#include "base/Logger.h"
#include "fakes/RecordingPresenter.h"
#include "meter/MeterLink.h"

namespace {

// The command bytes the emulator behind COMn has received, one a line.
std::string CommandsReceived(int port) {
    std::ifstream log(std::getenv(("QUORVANE_METER_LOG_" + std::to_string(port)).c_str()));
    std::string commands;
    for (std::string line; std::getline(log, line);) commands += line;
    return commands;
}

TEST(SerialPortTest, MeterLinkIdentifiesTheMeterAndReadsFramesOnCom1AndCom12) {
    if (!std::getenv("QUORVANE_METER_PORTS"))
        GTEST_SKIP() << "no meter emulator: build with QUORVANE_METER_SIM set to meter-sim";
    Win32SerialPorts ports;
    NullLogger log;
    RecordingPresenter presenter;
    for (const int port : {1, 12}) {  // from COM10 on, under the device prefix
        SCOPED_TRACE(port);
        const std::string earlier = CommandsReceived(port);
        MeterLink link(ports, log, presenter);
        link.ComPort = port;
        ASSERT_TRUE(link.OpenComPort());
        const std::string identification = link.GetFirmwareInfo(false);
        EXPECT_EQ(identification.rfind("QUORVANE", 0), 0u) << identification;
        EXPECT_NE(identification.find("Version " + link.FirmwareVersion), std::string::npos);
        ExchangeRequest request;
        for (const bool psk63 : {false, true}) {
            request.Psk63Checked = psk63;
            EXPECT_EQ(link.GraphExchange(request).Reply.size(), 64u);
        }
        EXPECT_EQ(CommandsReceived(port).substr(earlier.size()), "vsS");
    }
    EXPECT_TRUE(presenter.shown.empty());
    uint32_t error = 0;
    EXPECT_EQ(ports.Open("\\\\.\\COM99", error), nullptr);
    EXPECT_FALSE(ports.ErrorText(error).empty()) << error;

    // A port's own settings read back; a read ends at its total time-out.
    const auto port = ports.Open("COM1", error);
    ASSERT_NE(port, nullptr) << ports.ErrorText(error);
    CommState state, back;
    state.BaudRate = 19200, state.Flags = 1;
    ASSERT_TRUE(port->SetCommState(state) && port->GetCommState(back)) << port->LastError();
    EXPECT_EQ(std::tuple(back.BaudRate, back.ByteSize, back.Parity, back.StopBits, back.Flags & 1),
              std::tuple(19200u, 8, 0, 0, 1u));
    CommTimeouts timeouts, timeoutsBack;
    timeouts.ReadTotalTimeoutMultiplier = 5;
    ASSERT_TRUE(port->SetCommTimeouts(timeouts) && port->GetCommTimeouts(timeoutsBack));
    EXPECT_EQ(timeoutsBack.ReadTotalTimeoutMultiplier, 5u);
    uint8_t buffer[83];
    std::size_t count = 1;
    ASSERT_TRUE(port->Read(buffer, sizeof buffer, count));
    EXPECT_EQ(count, 0u) << "nothing pending";
}

// Wine does not keep serial devices exclusive, so a plain file shows the sharing mode.
TEST(SerialPortTest, NobodyElseOpensWhatIsOpen) {
    char folder[MAX_PATH] = {};
    const std::string path = std::string(folder, GetTempPathA(MAX_PATH, folder)) + "qvtest-port-" +
                             std::to_string(GetCurrentProcessId());
    std::ofstream(path) << "x";
    Win32SerialPorts ports;
    uint32_t error = 0;
    {
        const auto first = ports.Open(path, error);
        ASSERT_NE(first, nullptr) << error;
        EXPECT_EQ(ports.Open(path, error), nullptr);
        EXPECT_EQ(error, uint32_t{ERROR_SHARING_VIOLATION});
    }
    EXPECT_NE(ports.Open(path, error), nullptr) << "closed with the port object";
    DeleteFileA(path.c_str());
}

}  // namespace
