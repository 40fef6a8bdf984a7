// The serial layer through Wine's COM ports, with wine-run's meter emulators behind COM1 and COM12.

#include "platform/win32/Win32SerialPorts.h"

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <tuple>

#include "base/Logger.h"
#include "fakes/RecordingPresenter.h"
#include "meter/MeterLink.h"

TEST(SerialPortTest, TheMeterAnswersOnCom1AndCom12) {
    if (!std::getenv("QUORVANE_METER_PORTS"))
        GTEST_SKIP() << "no meter emulator: build with QUORVANE_METER_SIM set to meter-sim";
    Win32SerialPorts ports;
    NullLogger log;
    RecordingPresenter presenter;
    for (const int port : {1, 12}) {  // from COM10 on, under the device prefix
        SCOPED_TRACE(port);
        MeterLink link(ports, log, presenter);
        link.ComPort = port;
        ASSERT_TRUE(link.OpenComPort());
        EXPECT_EQ(link.GetFirmwareInfo(false).rfind("QUORVANE", 0), 0u);
        for (const bool psk63 : {false, true})
            EXPECT_EQ(link.GraphExchange({.Psk63Checked = psk63}).Reply.size(), 64u);
    }
    EXPECT_TRUE(presenter.shown.empty());
}

TEST(SerialPortTest, SettingsReadBackAndTheOpenIsExclusive) {
    Win32SerialPorts ports;
    uint32_t error = 0;
    EXPECT_EQ(ports.Open("\\\\.\\COM99", error), nullptr);
    EXPECT_FALSE(ports.ErrorText(error).empty()) << error;

    // Wine does not keep serial devices exclusive, so a plain file shows the sharing mode.
    char folder[MAX_PATH] = {};
    const std::string path = std::string(folder, GetTempPathA(MAX_PATH, folder)) + "qvtest-port-" +
                             std::to_string(GetCurrentProcessId());
    std::ofstream(path) << "x";
    if (auto first = ports.Open(path, error)) {
        EXPECT_EQ(ports.Open(path, error), nullptr);
        EXPECT_EQ(error, uint32_t{ERROR_SHARING_VIOLATION});
    }
    EXPECT_NE(ports.Open(path, error), nullptr) << "closed with the port object";
    DeleteFileA(path.c_str());

    if (!std::getenv("QUORVANE_METER_PORTS")) GTEST_SKIP() << "no port behind COM1";
    const auto port = ports.Open("COM1", error);
    ASSERT_NE(port, nullptr) << ports.ErrorText(error);
    CommState state, back;
    state.BaudRate = 19200, state.Flags = 1;
    ASSERT_TRUE(port->SetCommState(state) && port->GetCommState(back)) << port->LastError();
    EXPECT_EQ(std::tuple(back.BaudRate, back.ByteSize, back.Parity, back.StopBits, back.Flags & 1),
              std::tuple(19200u, 8, 0, 0, 1u));
    const CommTimeouts timeouts{1, 2, 3, 4, 5};
    CommTimeouts timeoutsBack;
    ASSERT_TRUE(port->SetCommTimeouts(timeouts) && port->GetCommTimeouts(timeoutsBack));
    EXPECT_EQ(std::memcmp(&timeoutsBack, &timeouts, sizeof timeouts), 0);
    uint8_t buffer[8];
    std::size_t count = 1;
    EXPECT_TRUE(port->Read(buffer, sizeof buffer, count) && count == 0) << "ends at the time-out";
}
