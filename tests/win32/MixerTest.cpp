// The mixer layer against what Wine's winmm offers: with wine-run's private PulseAudio
// that is one mixer per playback and recording device.

#include "platform/win32/Win32Mixer.h"

#include <gtest/gtest.h>

#include "audio/usound.h"
#include "fakes/RecordingPresenter.h"

namespace {

TEST(Win32MixerTest, ErrorsOfAMissingDevice) {
    Win32Mixer mixer;
    const uint32_t count = mixer.getNumDevs();
    MixerCaps caps;
    caps.ProductName = "untouched";
    EXPECT_EQ(mixer.getDevCaps(count, caps), mmsyserr::BadDeviceId);
    EXPECT_EQ(caps.ProductName, "untouched") << "outputs only change on success";
    HMixer handle = -1;
    EXPECT_EQ(mixer.open(count, 0, handle), mmsyserr::BadDeviceId);
    EXPECT_EQ(handle, -1);
    EXPECT_FALSE(mixer.errorText(mmsyserr::BadDeviceId).empty());
}

TEST(Win32MixerTest, MasterVolumeRoundTripsOnEachDevice) {
    Win32Mixer mixer;
    const uint32_t count = mixer.getNumDevs();
    if (count == 0) GTEST_SKIP() << "Wine offers no mixer here (no sound server it can reach)";

    int withVolume = 0;
    for (uint32_t device = 0; device < count; ++device) {
        RecordingPresenter presenter;
        TspVolumeControl control(mixer, presenter, 0, static_cast<int>(device));
        EXPECT_TRUE(presenter.shown.empty())
            << "device " << device << ": " << presenter.shown.front().message;
        EXPECT_FALSE(control.GetDeviceName(static_cast<int>(device)).empty());
        ASSERT_GT(control.Devices().Count(), 0) << "device " << device;
        const TSoundDevice& first = control.Devices()[0];
        EXPECT_TRUE(first.IsDestination);
        EXPECT_NE(first.TypeName, "NOT VALID") << first.Name;

        const int master = control.FindMasterLine();
        if (master < 0 || control.Devices()[master].IndexOfType(kVolumeControlType) < 0) continue;
        ++withVolume;
        const int before = control.GetMasterVolume();
        for (int percent : {0, 37, 100}) {
            control.SetMasterVolume(percent);
            EXPECT_EQ(control.GetMasterVolume(), percent) << "device " << device;
        }
        // Without a Wave line the Wave volume is the Master volume.
        if (control.FindWaveLine() < 0) {
            control.SetWaveVolume(64);
            EXPECT_EQ(control.GetMasterVolume(), 64);
        }
        control.SetMasterVolume(before);
    }
    EXPECT_GT(withVolume, 0) << "no device has a Master volume";
}

}  // namespace
