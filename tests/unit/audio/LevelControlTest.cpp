#include "audio/LevelControl.h"

#include <gtest/gtest.h>

#include "audio/usound.h"
#include "fakes/FakeMixer.h"
#include "unit/audio/RecordingPresenter.h"

using namespace component;

namespace {

// A card with Master and Wave, both starting at the given percentages.
struct Card {
    Card(int master, int wave, bool withWave = true)
        : mixer({Layout(master, wave, withWave)}), volume(mixer, presenter, 0, 0) {}

    static FakeDevice Layout(int master, int wave, bool withWave) {
        FakeDevice card;
        FakeDestination playback{
            FakeLineOf("Volume Control", DstSpeakers, {FakeVolume(PercentToRaw(master))}), {}};
        if (withWave) {
            playback.Sources.push_back(
                FakeLineOf("Wave", SrcWaveOut, {FakeVolume(PercentToRaw(wave))}));
        }
        card.Destinations = {playback};
        return card;
    }

    int master() { return RawToPercent(mixer.Value(0, 0)); }
    int wave() { return RawToPercent(mixer.Value(0, 0, 0)); }

    FakeMixer mixer;
    RecordingPresenter presenter;
    TspVolumeControl volume;
};

struct StepCase {
    int master, wave, step, floor;
    int newMaster, newWave;
};

class AudioStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(AudioStep, MovesTheVolumeThatKeepsThemTogetherWithinFloorAndCeiling) {
    const StepCase& c = GetParam();
    Card card(c.master, c.wave);
    ChangeAudioLevel(card.volume, true, c.floor, c.step);
    EXPECT_EQ(card.master(), c.newMaster);
    EXPECT_EQ(card.wave(), c.newWave);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, AudioStep,
    ::testing::Values(StepCase{70, 70, +5, 10, 70, 75},    // tie: Wave rises
                      StepCase{70, 70, -5, 10, 70, 65},    // tie: Wave falls
                      StepCase{60, 90, +5, 10, 65, 90},    // the lower one rises
                      StepCase{60, 90, -5, 10, 60, 85},    // the higher one falls
                      StepCase{98, 99, +20, 10, 100, 99},  // ceiling
                      StepCase{12, 11, -30, 10, 10, 11},   // floor
                      StepCase{5, 50, 0, 10, 10, 50},      // operator's low Master comes up
                      StepCase{40, 90, -200, 0, 40, 0},    // floor 0 allows silence
                      StepCase{50, 60, +3, 120, 120, 120}  // floor above 100 wins
                      ));

TEST(ChangeAudioLevel, WritesBothVolumesEvenWhenNothingChanges) {
    Card card(50, 50);
    ChangeAudioLevel(card.volume, true, 10, 0);
    EXPECT_EQ(card.mixer.ValueWrites, 2);
    EXPECT_EQ(card.master(), 50);
    EXPECT_EQ(card.wave(), 50);
}

TEST(ChangeAudioLevel, LoopOffNeitherReadsNorWritesTheMixer) {
    Card card(5, 90);
    ChangeAudioLevel(card.volume, false, 10, -20);
    EXPECT_EQ(card.mixer.ValueReads, 0);
    EXPECT_EQ(card.mixer.ValueWrites, 0);
    EXPECT_EQ(card.master(), 5);
    // The status line still gets its level.
    EXPECT_EQ(MixerLevel(card.volume), 4);
}

TEST(ChangeAudioLevel, WithoutWaveLineTheLoopWorksOnMasterAlone) {
    Card card(80, 0, false);
    ChangeAudioLevel(card.volume, true, 10, -5);
    EXPECT_EQ(card.master(), 75);
    EXPECT_EQ(MixerLevel(card.volume), 56);  // 75 x 75 div 100

    ChangeAudioLevel(card.volume, true, 10, +30);
    EXPECT_EQ(card.master(), 100);
}

TEST(ChangeAudioLevel, WaveLineWithoutVolumeLosesRisesToWave) {
    FakeDevice layout;
    layout.Destinations = {
        {FakeLineOf("Volume Control", DstSpeakers, {FakeVolume(PercentToRaw(50))}),
         {FakeLineOf("Wave", SrcWaveOut, {FakeMute()})}}};
    FakeMixer mixer({layout});
    RecordingPresenter presenter;
    TspVolumeControl volume(mixer, presenter, 0, 0);

    ChangeAudioLevel(volume, true, 10, +5);  // Wave reads 0, so it takes the rise
    EXPECT_EQ(volume.GetMasterVolume(), 50);
    ChangeAudioLevel(volume, true, 10, -5);  // Master is higher, so it takes the cut
    EXPECT_EQ(volume.GetMasterVolume(), 45);
    EXPECT_EQ(MixerLevel(volume), 45);
}

struct LevelCase {
    int master, wave, level;
};
class Level : public ::testing::TestWithParam<LevelCase> {};

TEST_P(Level, CombinesMasterAndWave) {
    Card card(GetParam().master, GetParam().wave);
    EXPECT_EQ(MixerLevel(card.volume), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Volumes, Level,
                         ::testing::Values(LevelCase{80, 50, 40}, LevelCase{75, 0, 75},
                                           LevelCase{33, 33, 10}, LevelCase{99, 1, 0},
                                           LevelCase{100, 100, 100}));

TEST(MixerLevel, IsZeroWithoutAnyMixer) {
    FakeMixer mixer({});
    RecordingPresenter presenter;
    TspVolumeControl volume(mixer, presenter, 0, 0);
    EXPECT_EQ(MixerLevel(volume), 0);
    ChangeAudioLevel(volume, true, 10, +5);
    EXPECT_EQ(mixer.ValueWrites, 0);
}

}  // namespace
