// The mixers over a private PulseAudio with two null sinks: the desktop's speakers (its
// default output, and so ALSA's "default" device through ALSA's pulse plugin) and the
// radio's USB codec, one of the sound server's outputs.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <tuple>

#include "audio/MixerInventory.h"
#include "fakes/RecordingPresenter.h"
#include "platform/linux/LinuxMixer.h"
#include "support/SoundServer.h"

namespace {

// ALSA's Master and Capture elements and the radio's output each move their own volume, in
// the percent the desktop shows, read back what was written, and see changes made
// elsewhere, the louder channel counting. The outputs follow ALSA's devices, which keep
// their numbers, in order of their names and shown by the names the desktop gives them,
// each known by its name.
// A server that stops answering is given up on instead of holding the program, and its
// outputs are left out for a while, without a message.
TEST(SoundServerMixerTest, EachDeviceMovesItsOwnVolume) {
    SoundServer server({"speakers=Desk speakers", "radio=USB Audio CODEC (radio)"});
    server.Pactl("set-sink-volume speakers 50% 25%");
    AlsaMixer alsa;
    MixerCaps caps;
    ASSERT_EQ(alsa.GetDevCaps(0, caps), mmsyserr::kNoError);
    EXPECT_EQ(std::tuple(caps.ProductName, caps.Id), std::tuple("Default (PulseAudio)", ""));
    MixerLine line;  // lines can be asked for without opening the device, as on Windows
    EXPECT_EQ(alsa.GetLineInfo(0, line, LineQuery::ByDestination), mmsyserr::kNoError);
    EXPECT_EQ(line.Name, "Volume Control");
    HMixer none = 0;  // a device number past the last is refused, not opened
    EXPECT_EQ(alsa.Open(alsa.GetNumDevs(), 0, none), mmsyserr::kBadDeviceId);
    ASSERT_EQ(LinuxMixer().GetDevCaps(alsa.GetNumDevs(), caps), mmsyserr::kNoError);
    // "radio" sorts first; the sink's name is its ID, which ALSA's devices do not have.
    EXPECT_EQ(std::tuple(caps.ProductName, caps.Id),
              std::tuple("USB Audio CODEC (radio)", "radio"));

    RecordingPresenter presenter;
    MixerInventory speakers(alsa, presenter, 0, 0);
    ASSERT_EQ(speakers.Devices().Count(), 3);  // playback, recording, Capture
    EXPECT_EQ(speakers.GetMasterVolume(), 50);
    EndpointMixer sinks(std::make_unique<PulseOutputs>());
    MixerInventory radio(sinks, presenter, 0, 0);
    for (int percent = 0; percent <= 100; ++percent) {
        speakers.SetMasterVolume(percent);
        speakers.SetVolume(2, 100 - percent);
        radio.SetMasterVolume(percent / 2);
        EXPECT_EQ(server.Volume("radio"), percent / 2);
        EXPECT_EQ(
            std::tuple(speakers.GetMasterVolume(), speakers.GetVolume(2), radio.GetMasterVolume()),
            std::tuple(percent, 100 - percent, percent / 2));
    }
    EXPECT_EQ(server.Volume("speakers"), 100);
    EXPECT_EQ(server.Volume("@DEFAULT_SOURCE@", "source"), 0);
    const SoundLine& master = speakers.Devices()[0];
    const int mute = master.IndexOfType(kMuteControlType);
    master.SetValue(mute, 1);
    EXPECT_EQ(server.Pactl("get-sink-mute speakers"), "Mute: yes\n");
    server.Pactl("set-sink-mute speakers 0");
    server.Pactl("set-sink-volume speakers 40%");
    // Changes made elsewhere reach ALSA's pulse plugin a moment later.
    for (int tries = 0; tries < 100 && speakers.GetMasterVolume() != 40; ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(speakers.GetMasterVolume(), 40);
    EXPECT_EQ(master.GetValue(mute), 0u);

    server.Freeze(true);
    EXPECT_EQ(radio.GetMasterVolume(), 0);
    EXPECT_EQ(sinks.GetNumDevs(), 0u);
    server.Freeze(false);
    EXPECT_TRUE(presenter.shown.empty());
}

}  // namespace
