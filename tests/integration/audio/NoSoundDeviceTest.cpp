// The program on a machine without any sound device: ALSA configured with nothing.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "audio/LevelControl.h"
#include "audio/usound.h"
#include "platform/linux/AlsaMixer.h"
#include "support/alsa/AlsaTestConfig.h"
#include "unit/audio/RecordingPresenter.h"

using ::testing::ElementsAre;

namespace {

TEST(AlsaMixerWithoutSoundDevice, ReportsTwiceAtStartAndThenRunsWithoutEffect) {
    if (AlsaTestConfig::MachineHasSoundCard())
        GTEST_SKIP() << "this machine has a sound card, which no configuration hides";
    auto config = AlsaTestConfig::Empty();
    AlsaMixer mixer;
    RecordingPresenter presenter;

    TspVolumeControl volume(mixer, presenter, 0, 0);
    const std::string outOfRange = SoundCardError("Specified device identifier is out of range.");
    EXPECT_THAT(presenter.messages(), ElementsAre(outOfRange, outOfRange));
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[0].caption, "Sound Card error");
    EXPECT_EQ(presenter.shown[0].type, "!");

    EXPECT_EQ(volume.GetMixerCount(), 0);
    EXPECT_EQ(volume.Devices().Count(), 0);
    EXPECT_EQ(volume.GetMasterVolume(), 0);
    EXPECT_EQ(volume.GetWaveVolume(), 0);
    volume.SetMasterVolume(50);
    volume.SetWaveVolume(50);
    ChangeAudioLevel(volume, true, 10, +5);
    EXPECT_EQ(MixerLevel(volume), 0);
    EXPECT_EQ(presenter.shown.size(), 2u);  // writes stay silent

    EXPECT_EQ(volume.GetDeviceName(0), "");
    EXPECT_EQ(presenter.shown.size(), 3u);
}

}  // namespace
