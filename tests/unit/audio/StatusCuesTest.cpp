// Which status-word changes sound, and what their chirps sound like.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "audio/StatusCues.h"
#include "fakes/FakeCuePlayer.h"

namespace {

// Into splatter and back from it sound once each; a pause in the same splatter, or a clean
// signal that never splattered, say nothing; changes are followed while switched off. A
// cue lasts 150 ms, starts, turns and ends near silence, each note on silence (no clicks), and
// falls into splatter and rises back to OK (counted in zero crossings).
TEST(StatusCuesTest, IntoSplatterAndBackSoundOnceEachAsFallingAndRisingChirps) {
    FakeCuePlayer player;
    StatusCues cues(&player);
    const std::tuple<const char*, bool, std::size_t> steps[] = {
        {"SIGNAL OK", true, 0},    {"SPLATTER!", false, 0}, {"SIGNAL OK", true, 1},
        {"UNDERDRIVING", true, 1}, {"SPLATTER!", true, 2},  {"NO SIGNAL", true, 2},
        {"SPLATTER!", true, 2},    {"SIGNAL OK", true, 3}};
    for (const auto& [word, audible, played] : steps) {
        cues.StatusChanged(word, audible);
        ASSERT_EQ(player.played.size(), played) << word;
    }
    for (const bool rising : {true, false}) {
        const std::vector<std::int16_t>& s = player.played[rising ? 0 : 1].Samples;
        const std::size_t n = s.size(), ms = player.played[0].SampleRate / 1000;
        EXPECT_NEAR(double(n) / double(ms), 150, 5);
        const auto [low, high] = std::minmax_element(s.begin(), s.end());
        const int peak = std::max(-*low, int(*high));
        int crossings[2] = {0, 0};  // of each note
        for (std::size_t i = 1; i < n; ++i) crossings[i >= n / 2] += (s[i - 1] < 0) != (s[i] < 0);
        EXPECT_GT(peak, 32767 / 4);
        for (const std::size_t edge : {std::size_t{0}, n / 2 - ms, n / 2, n - ms})
            for (std::size_t i = edge; i < edge + ms; ++i) EXPECT_LT(std::abs(s[i]), peak / 2) << i;
        for (const std::size_t last : {n / 2 - 1, n - 1})
            EXPECT_EQ(s[last], 0) << "a note ends in a step";
        EXPECT_EQ(crossings[0] < crossings[1], rising);
    }
}

}  // namespace
