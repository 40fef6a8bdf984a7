// AlsaMixer over real ALSA: the test control device (tests/support/alsa), with Master, PCM
// and Capture kept in a state file the tests read and change.

#include <gtest/gtest.h>

#include <map>

#include "audio/usound.h"
#include "fakes/RecordingPresenter.h"
#include "platform/linux/AlsaMixer.h"
#include "support/alsa/AlsaTestConfig.h"

namespace {

const char kMaster[] = "Master Playback Volume";
const char kMasterSwitch[] = "Master Playback Switch";
const char kPcm[] = "PCM Playback Volume";
const char kCapture[] = "Capture Volume";

class AlsaMixerTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* control : {kMaster, kMasterSwitch, kPcm, kCapture})
            config_.SetState(control, 1, 1);
    }

    AlsaTestConfig config_{QUORVANE_ALSA_TEST_PLUGIN};
    AlsaMixer mixer_;
    RecordingPresenter presenter_;
};

// The device is the default card; each element is written alone, reads back what was
// written, and sees changes made elsewhere (the louder channel counts).
TEST_F(AlsaMixerTest, EachElementSetsAndGetsItsOwnControl) {
    MixerCaps caps;
    ASSERT_EQ(mixer_.GetDevCaps(0, caps), mmsyserr::kNoError);
    EXPECT_EQ(caps.ProductName, "Default (Quorvane Test)");
    HMixer none = 0;  // a device number past the last is refused, not opened
    EXPECT_EQ(mixer_.Open(mixer_.GetNumDevs(), 0, none), mmsyserr::kBadDeviceId);
    TspVolumeControl volume(mixer_, presenter_, 0, 0);
    EXPECT_TRUE(presenter_.shown.empty());
    ASSERT_EQ(volume.Devices().Count(), 4);  // playback, Wave, recording, Capture
    const TSoundDevice& master = volume.Devices()[volume.FindMasterLine()];
    const int mute = master.IndexOfType(kMuteControlType);
    const auto set = [&](const char* control, int value) {
        if (control == kMaster) volume.SetMasterVolume(value);
        if (control == kPcm) volume.SetWaveVolume(value);
        if (control == kMasterSwitch) master.SetValue(mute, value);
    };
    const auto get = [&](const char* control) {
        return control == kMaster ? volume.GetMasterVolume()
               : control == kPcm  ? volume.GetWaveVolume()
                                  : static_cast<int>(master.GetValue(mute));
    };
    const struct {
        const char* control;
        int value;
        long raw;  // on both channels
        std::pair<long, long> elsewhere;
        int seen;
    } rows[] = {{kMaster, 30, 76, {128, 64}, 50},
                {kPcm, 80, 300, {500, 500}, 100},
                {kMasterSwitch, 1, 0, {0, 1}, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.control);
        auto expected = config_.State();
        set(row.control, row.value);
        expected[row.control] = {row.raw, row.raw};
        EXPECT_EQ(config_.State(), expected);
        EXPECT_EQ(get(row.control), row.value);
        config_.SetState(row.control, row.elsewhere.first, row.elsewhere.second);
        EXPECT_EQ(get(row.control), row.seen);
    }
    // Every percent reads back on both volume elements.
    for (int percent = 0; percent <= 100; ++percent) {
        volume.SetMasterVolume(percent);
        volume.SetWaveVolume(100 - percent);
        EXPECT_EQ(volume.GetMasterVolume(), percent);
        EXPECT_EQ(volume.GetWaveVolume(), 100 - percent);
    }
}

}  // namespace
