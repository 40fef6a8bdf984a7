// The serial layer through Wine's COM ports, with wine-run's meter emulators behind COM1 and COM12.

#include "platform/win32/Win32SerialPorts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "base/Logger.h"
#include "fakes/RecordingPresenter.h"
#include "meter/MeterLink.h"

TEST(SerialPortTest, TheMeterAnswersOnCom1AndCom12AndThePortSettingsReadBack) {
    Win32SerialPorts ports;
    uint32_t error = 0;
    EXPECT_EQ(ports.Open("\\\\.\\COM99", error), nullptr);
    EXPECT_FALSE(ports.ErrorText(error).empty()) << error;
    if (!std::getenv("QUORVANE_METER_PORTS"))
        GTEST_SKIP() << "no meter emulator: build with QUORVANE_METER_SIM set to meter-sim";
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

    // The flag word sits where the record's bit fields do: CTS flow comes back.
    const auto port = ports.Open("COM1", error);
    ASSERT_NE(port, nullptr) << ports.ErrorText(error);
    constexpr uint32_t kCtsFlow = 1u << 2;
    CommState state, back;
    state.BaudRate = 19200, state.Flags = 1 | kCtsFlow;
    ASSERT_TRUE(port->SetCommState(state) && port->GetCommState(back)) << port->LastError();
    EXPECT_EQ(
        std::tuple(back.BaudRate, back.ByteSize, back.Parity, back.StopBits, back.Flags & kCtsFlow),
        std::tuple(19200u, 8, 0, 0, kCtsFlow));
}
