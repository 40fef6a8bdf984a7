// The mixer layer against Wine's winmm, which wine-run's private PulseAudio feeds.

#include "platform/win32/Win32Mixer.h"

#include <gtest/gtest.h>

#include "audio/usound.h"
#include "fakes/RecordingPresenter.h"

TEST(Win32MixerTest, MasterVolumeRoundTripsAndAMissingDeviceIsRefused) {
    Win32Mixer mixer;
    const uint32_t count = mixer.GetNumDevs();
    HMixer handle = -1;
    EXPECT_EQ(mixer.Open(count, 0, handle), mmsyserr::kBadDeviceId);
    EXPECT_EQ(handle, -1) << "outputs only change on success";
    if (count == 0) GTEST_SKIP() << "Wine offers no mixer here (no sound server it can reach)";
    int withVolume = 0;
    for (int device = 0; device < static_cast<int>(count); ++device) {
        SCOPED_TRACE(device);
        RecordingPresenter presenter;
        TspVolumeControl control(mixer, presenter, 0, device);
        EXPECT_TRUE(presenter.shown.empty()) << presenter.shown.front().message;
        EXPECT_FALSE(control.GetDeviceName(device).empty());
        const int master = control.FindMasterLine();
        if (master < 0 || control.Devices()[master].IndexOfType(kVolumeControlType) < 0) continue;
        ++withVolume;
        const int before = control.GetMasterVolume();
        for (const int percent : {0, 37, 100}) {
            control.SetMasterVolume(percent);
            EXPECT_EQ(control.GetMasterVolume(), percent);
        }
        control.SetMasterVolume(before);
    }
    EXPECT_GT(withVolume, 0) << "no device has a Master volume";
}
