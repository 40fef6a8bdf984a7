// The serial, mixer and cue layers through Wine's COM ports, winmm and Core Audio, with
// wine-run's meter emulators behind COM1 and COM12 and its private PulseAudio, with two
// named outputs, behind the mixers and the cues.

#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <tuple>

#include "audio/MixerInventory.h"
#include "base/Logger.h"
#include "fakes/RecordingPresenter.h"
#include "meter/MeterLink.h"
#include "meter/PortSharingDriver.h"
#include "platform/win32/Win32CuePlayer.h"
#include "platform/win32/Win32DriverServices.h"
#include "platform/win32/Win32NativeMixer.h"
#include "platform/win32/Win32SerialPorts.h"
#include "platform/win32/WindowsApi.h"

#include <mmsystem.h>

TEST(SerialPortTest, TheMeterAnswersOnCom12AndCom1sSettingsReadBack) {
    Win32SerialPorts ports;
    uint32_t error = 0;
    EXPECT_EQ(ports.Open("\\\\.\\COM99", error), nullptr);
    EXPECT_FALSE(ports.ErrorText(error).empty()) << error;
    // COM1 is a serial device to the DOS-device lookup, as the hook request needs.
    Win32DriverServices os;
    const std::string device = PortSharingDriver(os, ports).GetDosDeviceTarget("COM1");
    EXPECT_EQ(device.rfind("\\Device\\", 0), 0u) << device;
    EXPECT_EQ(device.back(), '\0') << "the list's own terminators are kept";
    if (!std::getenv("QUORVANE_METER_PORTS"))
        GTEST_SKIP() << "no meter emulator: build with QUORVANE_METER_SIM set to meter-sim";
    NullLogger log;
    RecordingPresenter presenter;
    MeterLink link(ports, log, presenter);
    link.ComPort = 12;  // from COM10 on, under the device prefix
    ASSERT_TRUE(link.OpenComPort());
    EXPECT_EQ(link.GetFirmwareInfo(false).rfind("QUORVANE", 0), 0u);
    EXPECT_EQ(link.GraphExchange({}).Reply.size(), 64u);
    EXPECT_TRUE(presenter.shown.empty());

    // COM1 by its bare name: CTS flow comes back, as the flag word sits where the bit fields do.
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

// Wine's mmdevapi lists the sound server's outputs as playback endpoints by their
// descriptions. The program's mixer is then Core Audio's: the radio's output, picked by its
// ID, moves through the dB call (Wine has no scalar one) and reads back what was set.
TEST(Win32AudioEndpointsTest, TheSoundServersOutputsAreListedByNameAndKnownByTheirIds) {
    Win32AudioEndpoints endpoints;
    ASSERT_TRUE(endpoints.Reachable());
    std::vector<std::string> names, ids;
    for (const AudioEndpoint& endpoint : endpoints.Active())
        names.push_back(endpoint.Name), ids.push_back(endpoint.Id);
    ASSERT_THAT(names, testing::IsSupersetOf({"Desk speakers", "USB Audio CODEC (radio)"}));
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::unique(ids.begin(), ids.end()), ids.end()) << "each ID names one output";
    uint32_t value = 0;
    EXPECT_EQ(endpoints.SetVolume("{0.0.0.00000000}.{no-such-endpoint}", 0), mmsyserr::kNoDriver);
    EXPECT_EQ(endpoints.GetVolume("", value), mmsyserr::kNoDriver);

    Win32NativeMixer mixer;
    MixerCaps caps;
    uint32_t radio = 0;
    while (mixer.GetDevCaps(radio, caps) == mmsyserr::kNoError &&
           caps.ProductName != "USB Audio CODEC (radio)")
        ++radio;
    ASSERT_EQ(caps.ProductName, "USB Audio CODEC (radio)") << "Core Audio's, not winmm's";
    EXPECT_TRUE(std::binary_search(ids.begin(), ids.end(), caps.Id)) << caps.Id;
    RecordingPresenter presenter;
    MixerInventory control(mixer, presenter, 0, static_cast<int>(radio));
    for (const int percent : {0, 37, 80, 100}) {
        control.SetMasterVolume(percent);
        EXPECT_EQ(control.GetMasterVolume(), percent);
    }
    EXPECT_TRUE(presenter.shown.empty());
}

// A cue's WAVE image is one PlaySound takes: it plays on Wine's preferred output (the sound
// server's) to its end. A player replaced and gone while its cue sounds stops it first.
TEST(Win32CuePlayerTest, TheWaveImagePlaysForItsLength) {
    const CueSound sound{8000, std::vector<std::int16_t>(1600, 1000)};  // 200 ms
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(
        PlaySoundA(WaveImage(sound).c_str(), nullptr, SND_MEMORY | SND_SYNC | SND_NODEFAULT));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
    Win32CuePlayer player;
    player.Play(sound);
    player.Play(sound);
}
