// Which status-word changes sound, and what their chirps sound like.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "audio/StatusCues.h"
#include "fakes/FakeCuePlayer.h"

namespace {

// A stretch's pitch in Hz, from its zero crossings.
double Pitch(const CueSound& sound, std::size_t from, std::size_t to) {
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        crossings += (sound.Samples[i - 1] < 0) != (sound.Samples[i] < 0);
    return crossings * sound.SampleRate / 2.0 / double(to - from);
}

// Splatter sounds on the change into it and the clean signal on the way back from it, once
// each: a pause in the same splatter or a clean signal that never splattered say nothing.
// Changes are followed while the switch is off. Each cue lasts 150 ms, starts, turns and
// ends near silence (no clicks), and falls into splatter and rises back to OK.
TEST(StatusCuesTest, IntoSplatterAndBackSoundOnceEachAsFallingAndRisingChirps) {
    FakeCuePlayer player;
    StatusCues cues(&player);
    const struct {
        const char* word;
        bool audible;
        std::size_t played;
    } steps[] = {{"SIGNAL OK", true, 0},    {"SPLATTER!", false, 0}, {"SIGNAL OK", true, 1},
                 {"UNDERDRIVING", true, 1}, {"SPLATTER!", true, 2},  {"NO SIGNAL", true, 2},
                 {"SPLATTER!", true, 2},    {"SIGNAL OK", true, 3}};
    for (const auto& step : steps) {
        cues.StatusChanged(step.word, step.audible);
        ASSERT_EQ(player.played.size(), step.played) << step.word;
    }
    EXPECT_EQ(player.played[2].Samples, player.played[0].Samples);
    for (const bool rising : {true, false}) {
        const CueSound& sound = player.played[rising ? 0 : 1];
        const std::size_t n = sound.Samples.size(), ms = sound.SampleRate / 1000;
        EXPECT_NEAR(double(n) / sound.SampleRate, 0.150, 0.005);
        const int peak =
            std::abs(*std::max_element(sound.Samples.begin(), sound.Samples.end(),
                                       [](int a, int b) { return std::abs(a) < std::abs(b); }));
        EXPECT_GT(peak, 32767 / 4);
        for (const std::size_t edge : {std::size_t{0}, n / 2 - ms, n / 2, n - ms})
            for (std::size_t i = edge; i < edge + ms; ++i)
                EXPECT_LT(std::abs(sound.Samples[i]), peak / 2) << i;
        EXPECT_EQ(Pitch(sound, 0, n / 2) < Pitch(sound, n / 2, n), rising);
    }
}

}  // namespace
