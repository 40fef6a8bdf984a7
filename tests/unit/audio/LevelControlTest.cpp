#include "audio/LevelControl.h"

#include <gtest/gtest.h>

#include "support/MixerRig.h"

using namespace component;

namespace {

// A card with Master and Wave at the given percentages; no Wave line for a negative wave.
struct Card : Rig {
    Card(int master, int wave)
        : Rig({PlaybackCard({FakeVolume(PercentToRaw(master))},
                            wave < 0
                                ? std::vector<FakeLine>{}
                                : std::vector{FakeLineOf("Wave", kSrcWaveOut,
                                                         {FakeVolume(PercentToRaw(wave))})})}) {}
    int Master() { return RawToPercent(mixer.Value(0, 0)); }
    int Wave() { return RawToPercent(mixer.Value(0, 0, 0)); }
};

TEST(ChangeAudioLevel, MovesTheVolumeThatKeepsThemTogetherWithinFloorAndCeiling) {
    const struct {
        int master, wave, step, floor;
        int newMaster, newWave;
        const char* rule;
    } cases[] = {{70, 70, +5, 10, 70, 75, "tie: Wave rises"},
                 {70, 70, -5, 10, 70, 65, "tie: Wave falls"},
                 {60, 90, +5, 10, 65, 90, "the lower one rises"},
                 {60, 90, -5, 10, 60, 85, "the higher one falls"},
                 {98, 99, +20, 10, 100, 99, "ceiling"},
                 {12, 11, -30, 10, 10, 11, "floor"},
                 {5, 50, 0, 10, 10, 50, "operator's low Master comes up"},
                 {40, 90, -200, 0, 40, 0, "floor 0 allows silence"},
                 {50, 60, +3, 120, 120, 120, "floor above 100 wins"},
                 {50, 50, 0, 10, 50, 50, "no step"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        Card card(c.master, c.wave);
        ChangeAudioLevel(card.volume, true, c.floor, c.step);
        EXPECT_EQ(card.Master(), c.newMaster);
        EXPECT_EQ(card.Wave(), c.newWave);
        EXPECT_EQ(card.mixer.ValueWrites, 2);  // both, even when unchanged
    }
}

TEST(ChangeAudioLevel, WhileOffOrWithoutAMixerNothingIsReadOrWritten) {
    Card off(5, 90);
    ChangeAudioLevel(off.volume, false, 10, -20);
    EXPECT_EQ(off.mixer.ValueReads, 0);
    EXPECT_EQ(off.mixer.ValueWrites, 0);
    EXPECT_EQ(MixerLevel(off.volume), 4);  // the status line still gets its level

    Rig none({});
    ChangeAudioLevel(none.volume, true, 10, +5);
    EXPECT_EQ(none.mixer.ValueWrites, 0);
    EXPECT_EQ(MixerLevel(none.volume), 0);
}

TEST(ChangeAudioLevel, WithoutWaveLineTheLoopWorksOnMasterAlone) {
    Card card(80, -1);
    ChangeAudioLevel(card.volume, true, 10, -5);
    EXPECT_EQ(card.Master(), 75);
    EXPECT_EQ(MixerLevel(card.volume), 56);  // 75 x 75 div 100
    ChangeAudioLevel(card.volume, true, 10, +30);
    EXPECT_EQ(card.Master(), 100);

    // A Wave line without a volume reads 0, so it takes the rises.
    Rig mute({PlaybackCard({FakeVolume(PercentToRaw(50))},
                           {FakeLineOf("Wave", kSrcWaveOut, {FakeMute()})})});
    ChangeAudioLevel(mute.volume, true, 10, +5);
    EXPECT_EQ(mute.volume.GetMasterVolume(), 50);
    ChangeAudioLevel(mute.volume, true, 10, -5);
    EXPECT_EQ(mute.volume.GetMasterVolume(), 45);
    EXPECT_EQ(MixerLevel(mute.volume), 45);
}

TEST(MixerLevel, CombinesMasterAndWave) {
    for (const auto& [master, wave, level] :
         {std::tuple{80, 50, 40}, {75, 0, 75}, {33, 33, 10}, {99, 1, 0}, {100, 100, 100}}) {
        Card card(master, wave);
        EXPECT_EQ(MixerLevel(card.volume), level) << master << ' ' << wave;
    }
}

}  // namespace
