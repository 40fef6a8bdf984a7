// AlsaMixer through ALSA's "default" device when that is a sound server: a private
// PulseAudio with a null sink, whose volume pactl reads back.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "audio/LevelControl.h"
#include "audio/usound.h"
#include "platform/linux/AlsaMixer.h"
#include "support/SoundServer.h"
#include "support/alsa/AlsaTestConfig.h"
#include "unit/audio/RecordingPresenter.h"

using ::testing::ElementsAre;
using ::testing::Optional;

namespace {

std::vector<std::string> LineNames(const TspVolumeControl& volume) {
    std::vector<std::string> names;
    for (int i = 0; i < volume.Devices().Count(); ++i) names.push_back(volume.Devices()[i].Name);
    return names;
}

// The server reports a change made elsewhere a moment later; wait for it to arrive
// (a bounded number of polls, no timing asserted).
int MasterVolumeOnceSettled(TspVolumeControl& volume, int expected) {
    int seen = volume.GetMasterVolume();
    for (int i = 0; i < 100 && seen != expected; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        seen = volume.GetMasterVolume();
    }
    return seen;
}

TEST(AlsaMixerOverSoundServer, MasterMovesTheSinkVolumeAndWaveFallsBackToMaster) {
    SoundServer server(QUORVANE_SOUND_SERVER);
    if (!server.running()) GTEST_SKIP() << "no private PulseAudio here: " << server.failure();
    auto config = AlsaTestConfig::Pulse();
    AlsaMixer mixer;
    if (mixer.getNumDevs() == 0)
        GTEST_SKIP() << "ALSA's pulse plugin is missing (Debian: libasound2-plugins)";

    MixerCaps caps;
    ASSERT_EQ(mixer.getDevCaps(0, caps), mmsyserr::NoError);
    EXPECT_EQ(caps.ProductName, "Default (PulseAudio)");

    RecordingPresenter presenter;
    TspVolumeControl volume(mixer, presenter, 0, 0);
    EXPECT_TRUE(presenter.shown.empty());
    // The server offers Master and Capture only, so there is no Wave line.
    EXPECT_THAT(LineNames(volume), ElementsAre("Volume Control", "Recording Control", "Capture"));
    EXPECT_EQ(volume.FindWaveLine(), -1);

    volume.SetMasterVolume(40);
    EXPECT_THAT(server.sinkVolumePercent(), Optional(40));
    volume.SetWaveVolume(25);
    EXPECT_THAT(server.sinkVolumePercent(), Optional(25));

    ASSERT_TRUE(server.setSinkVolumePercent(65));
    EXPECT_EQ(MasterVolumeOnceSettled(volume, 65), 65);
    EXPECT_EQ(MixerLevel(volume), 42);  // 65 x 65 div 100

    // Master and "Wave" are one volume: the tie sends the step to Wave, which is Master.
    ChangeAudioLevel(volume, true, 10, -5);
    EXPECT_THAT(server.sinkVolumePercent(), Optional(60));
    EXPECT_EQ(volume.GetMasterVolume(), 60);
}

}  // namespace
