// AlsaMixer over real ALSA: the test plugin (tests/support/alsa), with Master, PCM and
// Capture kept in a state file the tests read and change; a private PulseAudio as ALSA's
// "default" device; and a configuration without any sound device.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <tuple>

#include "audio/LevelControl.h"
#include "audio/usound.h"
#include "fakes/RecordingPresenter.h"
#include "platform/linux/AlsaMixer.h"
#include "support/SoundServer.h"
#include "support/alsa/AlsaTestConfig.h"

using ::testing::ElementsAre;
using ::testing::Optional;
using ::testing::Pair;

namespace {

const char kMaster[] = "Master Playback Volume";
const char kMasterSwitch[] = "Master Playback Switch";
const char kPcm[] = "PCM Playback Volume";
const char kCapture[] = "Capture Volume";

class AlsaMixerOverTestDevice : public ::testing::Test {
protected:
    void SetUp() override {
        config_ = AlsaTestConfig::TestMixer(QUORVANE_ALSA_TEST_PLUGIN);
        // Known starting values: Master 200 of 0..255, PCM 0 of -500..500, Capture 20 of 0..31.
        config_->SetState(kMaster, 200, 200);
        config_->SetState(kMasterSwitch, 1, 1);
        config_->SetState(kPcm, 0, 0);
        config_->SetState(kCapture, 20, 20);
    }

    std::unique_ptr<AlsaTestConfig> config_;
    AlsaMixer mixer_;
    RecordingPresenter presenter_;
};

// Every line and control ID, in inventory order.
std::vector<uint32_t> Ids(const TspVolumeControl& volume) {
    std::vector<uint32_t> all;
    for (int i = 0; i < volume.Devices().Count(); ++i) {
        const TSoundDevice& line = volume.Devices()[i];
        all.push_back(line.LineID);
        for (int c = 0; c < line.Count(); ++c) all.push_back(line.Control(c).ControlID);
    }
    return all;
}

TEST_F(AlsaMixerOverTestDevice, ShowsTheDeviceAsDefaultWithPlaybackAndRecording) {
    ASSERT_GE(mixer_.GetNumDevs(), 1u);
    MixerCaps caps;
    ASSERT_EQ(mixer_.GetDevCaps(0, caps), mmsyserr::kNoError);
    EXPECT_EQ(caps.ProductName, "Default (Quorvane Test)");
    EXPECT_EQ(caps.Destinations, 2u);

    TspVolumeControl volume(mixer_, presenter_, 0, 0);
    EXPECT_TRUE(presenter_.shown.empty());
    const TSoundDeviceList& lines = volume.Devices();
    ASSERT_EQ(lines.Count(), 4);
    std::vector<std::tuple<std::string, std::string, bool, bool, int>> seen;
    for (int i = 0; i < lines.Count(); ++i)
        seen.emplace_back(lines[i].Name, lines[i].TypeName, lines[i].IsOutput,
                          lines[i].IsDestination, lines[i].Count());
    EXPECT_THAT(seen, ElementsAre(std::tuple("Volume Control", "Speakers", true, true, 2),
                                  std::tuple("Wave", "Wave Out", true, false, 1),
                                  std::tuple("Recording Control", "Wave Input", false, true, 0),
                                  std::tuple("Capture", "Undefined", false, false, 1)));
    EXPECT_EQ(lines[0].IndexOfType(kVolumeControlType), 0);
    EXPECT_EQ(lines[0].IndexOfType(kMuteControlType), 1);
    EXPECT_EQ(lines[1].Control(0).Maximum, 65535);
    EXPECT_EQ(volume.FindWaveLine(), 1);
    // The IDs stay the same from one open to the next.
    EXPECT_EQ(Ids(volume).size(), 4u + 4u);
    EXPECT_EQ(Ids(TspVolumeControl(mixer_, presenter_, 0, 0)), Ids(volume));
}

TEST_F(AlsaMixerOverTestDevice, MasterAndWaveMoveOnlyTheirOwnElementAndEveryPercentReadsBack) {
    TspVolumeControl volume(mixer_, presenter_, 0, 0);

    volume.SetMasterVolume(30);
    EXPECT_THAT(config_->State(kMaster), Optional(Pair(76, 76)));  // 30 % of 0..255
    EXPECT_THAT(config_->State(kPcm), Optional(Pair(0, 0)));

    volume.SetWaveVolume(80);
    EXPECT_THAT(config_->State(kPcm), Optional(Pair(300, 300)));  // 80 % of -500..500
    EXPECT_THAT(config_->State(kMaster), Optional(Pair(76, 76)));
    EXPECT_THAT(config_->State(kCapture), Optional(Pair(20, 20)));

    EXPECT_EQ(volume.GetMasterVolume(), 30);
    EXPECT_EQ(volume.GetWaveVolume(), 80);
    EXPECT_EQ(MixerLevel(volume), 24);

    // Every percent reads back on both elements.
    for (int percent = 0; percent <= 100; ++percent) {
        volume.SetMasterVolume(percent);
        volume.SetWaveVolume(100 - percent);
        EXPECT_EQ(volume.GetMasterVolume(), percent);
        EXPECT_EQ(volume.GetWaveVolume(), 100 - percent);
    }
    EXPECT_THAT(config_->State(kMaster), Optional(Pair(255, 255)));
    EXPECT_THAT(config_->State(kPcm), Optional(Pair(-500, -500)));
}

TEST_F(AlsaMixerOverTestDevice, SeesChangesMadeElsewhere) {
    TspVolumeControl volume(mixer_, presenter_, 0, 0);
    EXPECT_EQ(volume.GetMasterVolume(), 78);  // 200 of 0..255

    config_->SetState(kMaster, 128, 64);  // the louder channel counts
    EXPECT_EQ(volume.GetMasterVolume(), 50);
    config_->SetState(kPcm, 500, 500);
    EXPECT_EQ(volume.GetWaveVolume(), 100);

    // The level loop starts from what it finds, and writes every channel alike.
    ChangeAudioLevel(volume, true, 10, -10);
    EXPECT_THAT(config_->State(kPcm), Optional(Pair(400, 400)));
    EXPECT_THAT(config_->State(kMaster), Optional(Pair(127, 127)));
}

TEST_F(AlsaMixerOverTestDevice, MuteSwitchesEveryChannel) {
    TspVolumeControl volume(mixer_, presenter_, 0, 0);
    const TSoundDevice& master = volume.Devices()[volume.FindMasterLine()];
    const int mute = master.IndexOfType(kMuteControlType);
    ASSERT_GE(mute, 0);

    EXPECT_EQ(master.GetValue(mute), 0u);
    EXPECT_EQ(master.SetValue(mute, 1), mmsyserr::kNoError);
    EXPECT_THAT(config_->State(kMasterSwitch), Optional(Pair(0, 0)));
    EXPECT_EQ(master.GetValue(mute), 1u);

    config_->SetState(kMasterSwitch, 0, 1);  // one channel still plays
    EXPECT_EQ(master.GetValue(mute), 0u);
}

TEST_F(AlsaMixerOverTestDevice, AnswersMisuseWithTheMixerResultCodes) {
    const uint32_t count = mixer_.GetNumDevs();
    MixerCaps caps;
    HMixer handle = -1;
    MixerLine line;
    EXPECT_EQ(mixer_.GetDevCaps(count, caps), mmsyserr::kBadDeviceId);
    EXPECT_EQ(mixer_.Open(count, 0, handle), mmsyserr::kBadDeviceId);
    EXPECT_EQ(handle, -1);
    EXPECT_EQ(mixer_.GetLineInfo(count, line, LineQuery::ByDestination), mmsyserr::kBadDeviceId);
    uint32_t value = 0;
    EXPECT_EQ(mixer_.Close(4711), mmsyserr::kInvalidHandle);
    EXPECT_EQ(mixer_.GetControlValue(4711, 0, value), mmsyserr::kInvalidHandle);
    EXPECT_EQ(mixer_.SetControlValue(4711, 0, 0), mmsyserr::kInvalidHandle);

    ASSERT_EQ(mixer_.Open(0, 0, handle), mmsyserr::kNoError);
    line.Destination = 2;
    EXPECT_EQ(mixer_.GetLineInfo(0, line, LineQuery::ByDestination), mmsyserr::kInvalidLine);
    line.Destination = 0;
    line.Source = 1;  // the playback destination has one source
    EXPECT_EQ(mixer_.GetLineInfo(0, line, LineQuery::BySource), mmsyserr::kInvalidLine);
    line.Source = 0;
    ASSERT_EQ(mixer_.GetLineInfo(0, line, LineQuery::BySource), mmsyserr::kNoError);
    EXPECT_EQ(line.Name, "Wave");
    EXPECT_EQ(line.ComponentType, component::kSrcWaveOut);
    EXPECT_NE(line.LineFlags & kLineSource, 0u);

    std::vector<MixerControl> controls;
    EXPECT_EQ(mixer_.GetLineControls(handle, line.LineID, 2, controls), mmsyserr::kInvalidParam);
    ASSERT_EQ(mixer_.GetLineControls(handle, line.LineID, 1, controls), mmsyserr::kNoError);
    EXPECT_EQ(mixer_.SetControlValue(handle, controls[0].ControlID, 65536),
              mmsyserr::kInvalidValue);
    EXPECT_EQ(mixer_.GetControlValue(handle, 0xFFFFF0, value), mmsyserr::kInvalidControl);
    EXPECT_FALSE(mixer_.ErrorText(mmsyserr::kInvalidControl).empty());

    HMixer second = -1;
    ASSERT_EQ(mixer_.Open(0, 0, second), mmsyserr::kNoError);
    EXPECT_NE(second, handle);
    EXPECT_EQ(mixer_.Close(handle), mmsyserr::kNoError);
    EXPECT_EQ(mixer_.Close(handle), mmsyserr::kInvalidHandle);
    EXPECT_EQ(mixer_.GetControlValue(second, controls[0].ControlID, value), mmsyserr::kNoError);
    EXPECT_EQ(mixer_.Close(second), mmsyserr::kNoError);
}

TEST(AlsaMixerOverBrokenDevice, MixerThatCannotLoadMeansNoDriver) {
    auto config = AlsaTestConfig::TestMixer(QUORVANE_ALSA_TEST_PLUGIN, true);
    AlsaMixer mixer;
    RecordingPresenter presenter;
    ASSERT_GE(mixer.GetNumDevs(), 1u);  // the control device itself opens
    HMixer handle = -1;
    EXPECT_EQ(mixer.Open(0, 0, handle), mmsyserr::kNoDriver);

    TspVolumeControl volume(mixer, presenter, 0, 0);
    const std::string noDriver = SoundCardError("No device driver is present.");
    // The open, then each of the two destination queries.
    EXPECT_THAT(presenter.Messages(), ElementsAre(noDriver, noDriver, noDriver));
    EXPECT_EQ(volume.Devices().Count(), 0);
    EXPECT_EQ(MixerLevel(volume), 0);
}

// ---------------------------------------------------------------- a sound server

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
    if (!server.Running()) GTEST_SKIP() << "no private PulseAudio here: " << server.Failure();
    auto config = AlsaTestConfig::Pulse();
    AlsaMixer mixer;
    if (mixer.GetNumDevs() == 0)
        GTEST_SKIP() << "ALSA's pulse plugin is missing (Debian: libasound2-plugins)";

    MixerCaps caps;
    ASSERT_EQ(mixer.GetDevCaps(0, caps), mmsyserr::kNoError);
    EXPECT_EQ(caps.ProductName, "Default (PulseAudio)");

    RecordingPresenter presenter;
    TspVolumeControl volume(mixer, presenter, 0, 0);
    EXPECT_TRUE(presenter.shown.empty());
    // The server offers Master and Capture only, so there is no Wave line.
    EXPECT_THAT(LineNames(volume), ElementsAre("Volume Control", "Recording Control", "Capture"));
    EXPECT_EQ(volume.FindWaveLine(), -1);

    volume.SetMasterVolume(40);
    EXPECT_THAT(server.SinkVolumePercent(), Optional(40));
    volume.SetWaveVolume(25);
    EXPECT_THAT(server.SinkVolumePercent(), Optional(25));

    ASSERT_TRUE(server.SetSinkVolumePercent(65));
    EXPECT_EQ(MasterVolumeOnceSettled(volume, 65), 65);
    EXPECT_EQ(volume.GetWaveVolume(), 65);
}

// ---------------------------------------------------------------- no sound device

// What the level control then does without a mixer is covered over the fake one.
TEST(AlsaMixerWithoutSoundDevice, ReportsTwiceAtStartAndOnceForTheCardName) {
    if (AlsaTestConfig::MachineHasSoundCard())
        GTEST_SKIP() << "this machine has a sound card, which no configuration hides";
    auto config = AlsaTestConfig::Empty();
    AlsaMixer mixer;
    RecordingPresenter presenter;

    TspVolumeControl volume(mixer, presenter, 0, 0);
    const std::string outOfRange = SoundCardError("Specified device identifier is out of range.");
    EXPECT_THAT(presenter.Messages(), ElementsAre(outOfRange, outOfRange));
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[0].caption, "Sound Card error");
    EXPECT_EQ(presenter.shown[0].type, "!");

    EXPECT_EQ(volume.GetMixerCount(), 0);
    EXPECT_EQ(volume.Devices().Count(), 0);
    EXPECT_EQ(volume.GetDeviceName(0), "");
    EXPECT_EQ(presenter.shown.size(), 3u);
}

}  // namespace
