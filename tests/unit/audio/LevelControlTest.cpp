#include "audio/LevelControl.h"

#include <gtest/gtest.h>

#include "support/MixerRig.h"

namespace {

TEST(SteppedVolumes, MovesTheVolumeThatKeepsThemTogetherWithinFloorAndCeiling) {
    const struct {
        int master, wave, step, floor, newMaster, newWave;
        const char* rule;
    } cases[] = {{70, 70, +5, 10, 70, 75, "tie: Wave rises"},
                 {70, 70, -5, 10, 70, 65, "tie: Wave falls"},
                 {60, 90, +5, 10, 65, 90, "the lower one rises"},
                 {60, 90, -5, 10, 60, 85, "the higher one falls"},
                 {98, 99, +20, 10, 100, 99, "ceiling"},
                 {12, 11, -30, 10, 10, 11, "floor"},
                 {5, 50, 0, 10, 10, 50, "operator's low Master comes up"},
                 {50, 60, +3, 120, 120, 120, "floor above 100 wins"}};
    for (const auto& c : cases) {
        const MixerVolumes v = SteppedVolumes({c.master, c.wave}, c.step, c.floor);
        EXPECT_EQ(std::pair(v.Master, v.Wave), std::pair(c.newMaster, c.newWave)) << c.rule;
    }
}

TEST(ChangeAudioLevel, WritesBothVolumesOnlyWhileOnAndMixerLevelCombinesThem) {
    Rig card({PlaybackCard({FakeVolume(PercentToRaw(5))},
                           {FakeLineOf("Wave", {FakeVolume(PercentToRaw(90))})})});
    ChangeAudioLevel(card.volume, false, 10, -20);
    EXPECT_EQ(card.mixer.ValueWrites, 0);
    EXPECT_EQ(MixerLevel(card.volume), 4);  // 5 x 90 div 100: the status line still gets it
    ChangeAudioLevel(card.volume, true, 10, 0);
    EXPECT_EQ(card.mixer.ValueWrites, 2);  // both, though only Master changes
    EXPECT_EQ(card.volume.GetMasterVolume(), 10);

    // Without a Wave line, or with one that has no volume (it reads 0, so it takes the
    // rises), the loop works on Master alone.
    for (const auto& sources :
         {std::vector<FakeLine>{}, std::vector{FakeLineOf("Wave", {FakeMute()})}}) {
        Rig rig({PlaybackCard({FakeVolume(PercentToRaw(80))}, sources)});
        ChangeAudioLevel(rig.volume, true, 10, -5);
        EXPECT_EQ(rig.volume.GetMasterVolume(), 75);
        EXPECT_EQ(MixerLevel(rig.volume), 75);
        ChangeAudioLevel(rig.volume, true, 10, +30);
        EXPECT_EQ(rig.volume.GetMasterVolume(), sources.empty() ? 100 : 75);
    }
}

}  // namespace
