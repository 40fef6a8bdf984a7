// The best-level sweep against a synthetic transmitter: the levels it visits, under a power
// limit too, what one bad cycle cannot do, the signal going away, and the result and its text.
#include "measure/LevelSweep.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace {

// Noise below 15 %, sagging flanks below 25 %, clean below the knee, splatter from it on;
// the peak grows 0.05 V a percent. Above `analysisLimit` the analysis itself reads over power.
Measurement Reading(int level, int knee, double analysisLimit = 99.0) {
    using enum SignalState;
    const SignalState state = level < 15                     ? Noise
                              : level * 0.05 > analysisLimit ? OverPower
                              : level < 25                   ? Underdriving
                              : level < knee                 ? SignalOk
                                                             : Overmodulated;
    return {.State = state,
            .PeakVolts = level * 0.05,
            .ImdDb = state == Underdriving ? -18.0
                     : state == SignalOk   ? -30.0
                                           : -15.0};
}

// The cycle'th cycle at a level (0 is the one thrown away after the change) reads this.
struct Upset {
    int level, cycle;
    SignalState state;
    double imdDb = 0.0;
};

struct Outcome {
    std::vector<int> levels;
    SweepStop stop;
    int best;  // 0: none
    int level;
};

Outcome Sweep(SweepPlan plan, int knee, const std::vector<Upset>& upsets = {},
              double analysisLimit = 99.0) {
    LevelSweep sweep(plan);
    for (int cycle = 0, fed = 0; sweep.Running() && fed < 1000; ++fed) {
        Measurement m = Reading(sweep.Level(), knee, analysisLimit);
        for (const Upset& upset : upsets) {
            if (upset.level == sweep.Level() && upset.cycle == cycle)
                std::tie(m.State, m.ImdDb) = std::pair(upset.state, upset.imdDb);
        }
        cycle = sweep.Feed(m) ? 0 : cycle + 1;
    }
    Outcome outcome{{}, sweep.State(), 0, sweep.Level()};
    for (const SweepStep& step : sweep.Steps()) outcome.levels.push_back(step.level);
    if (const auto best = sweep.Result().best) outcome.best = best->level;
    return outcome;
}

TEST(LevelSweepTest, ClimbsCoarselyThenFindsTheCrossingFinely) {
    struct Case {
        int knee;
        SweepPlan plan;
        std::vector<int> levels;
        int best;
        double analysisLimit = 99.0;
    } cases[] = {
        {44, {}, {10, 20, 30, 40, 50, 48, 46, 44, 42}, 42},  // back down to above the last good
        {200, {.highestLevel = 75}, {10, 20, 30, 40, 50, 60, 70, 75}, 75},
        {200,
         {.lowestLevel = 5, .highestLevel = 130},
         {5, 15, 25, 35, 45, 55, 65, 75, 85, 95, 100},
         100},
        {22, {.lowestLevel = 15}, {15, 25, 23, 21, 19, 17}, 0},  // splatter before any good step
        // 2.7 V is reached at 54 %: from the plan's power limit or the analysis' own verdict.
        {80, {.maxVolts = 2.7}, {10, 20, 30, 40, 50, 60, 58, 56, 54}, 54},
        {80, {}, {10, 20, 30, 40, 50, 60, 58, 56, 54}, 54, 2.7},
    };
    for (const Case& c : cases) {
        const Outcome run = Sweep(c.plan, c.knee, {}, c.analysisLimit);
        // Left at the best level, else where it started.
        EXPECT_EQ(
            std::tuple(run.levels, run.stop, run.best, run.level),
            std::tuple(c.levels, SweepStop::Finished, c.best, c.best ? c.best : c.plan.startLevel));
    }
}

// One bad cycle neither ends the sweep nor moves the knee; two gone ones in a row end it,
// as the operator may, and the output goes back to where it started.
TEST(LevelSweepTest, OneBadCycleIsOutvotedTwoGoneInARowEndTheSweep) {
    using enum SignalState;
    const std::vector<int> clean = {10, 20, 30, 40, 50, 60, 58}, gone = {10, 20};
    const std::tuple<std::vector<Upset>, std::vector<int>, SweepStop, int> cases[] = {
        {{{20, 1, NotResponding}, {20, 3, NoSignal}}, clean, SweepStop::Finished, 58},
        {{{50, 1, Overmodulated}}, clean, SweepStop::Finished, 58},  // 0 dB: a mean would fail
        // The cycle after a level change is thrown away: the two bad ones are not a majority.
        {{{50, 0, Overmodulated}, {50, 1, Overmodulated}}, clean, SweepStop::Finished, 58},
        {{{60, 3, SignalOk, -30.0}}, clean, SweepStop::Finished, 58},
        {{{30, 1, NoSignal}, {30, 2, NoSignal}}, gone, SweepStop::SignalGone, 63},
        {{{30, 0, NotResponding}, {30, 1, Data}}, gone, SweepStop::SignalGone, 63},
    };
    for (const auto& [upsets, levels, stop, level] : cases) {
        const Outcome run = Sweep({.startLevel = 63}, 60, upsets);
        EXPECT_EQ(std::tuple(run.levels, run.stop, run.level), std::tuple(levels, stop, level))
            << upsets[0].level;
    }

    LevelSweep sweep({.startLevel = 63});
    for (int i = 0; i < 5; ++i) sweep.Feed(Reading(sweep.Level(), 60));
    sweep.Stop(SweepStop::Cancelled);
    EXPECT_EQ(std::pair(sweep.State(), sweep.Level()), std::pair(SweepStop::Cancelled, 63));
    EXPECT_FALSE(sweep.Feed(Reading(20, 60)));
    ASSERT_EQ(sweep.Steps().size(), 1u);
    EXPECT_NEAR(sweep.Steps()[0].watts, 0.49, 0.01);  // 0.5 V, read on the QRP scale
}

SweepStep Step(int level, double watts, bool meets = true, bool overPower = false) {
    return {.level = level, .watts = watts, .meetsTarget = meets, .overPower = overPower};
}

TEST(LevelSweepTest, BestLevelAndLinearRangeFromStepsInAnyOrderAndTheirText) {
    // The steps, the best level (0: none) and the linear range.
    const std::pair<std::vector<SweepStep>, std::tuple<int, int, int>> cases[] = {
        // 60 measured again, now failing; 70 over power; 10 to 20 flat.
        {{Step(60, 12), Step(20, 1, false), Step(40, 6), Step(70, 14, true, true), Step(30, 3),
          Step(50, 9.5), Step(60, 12.1, false), Step(10, 1)},
         {50, 20, 50}},
        // The power stops rising 40 to 50: the linear range ends below the best.
        {{Step(50, 6.1), Step(30, 3), Step(40, 6), Step(20, 1)}, {50, 20, 40}},
        {{Step(30, 3, false), Step(40, 6, false, true), Step(50, 9, true, true)}, {0, 0, 0}},
    };
    for (const auto& [steps, expected] : cases) {
        const SweepResult r = FindBestLevel(steps);
        EXPECT_EQ(std::tuple(r.best ? r.best->level : 0, r.linearFrom, r.linearTo), expected);
    }

    // Whole watts from 10 W on, else one decimal with the locale's separator.
    SweepResult result{.best = SweepStep{.level = 61, .watts = 24.4, .imdDb = -27.4}};
    EXPECT_EQ(BestLevelText(result, ','), "Best level 61 %: 24 W at -27 dB");
    result.best->watts = 7.26;
    EXPECT_EQ(BestLevelText(result, ','), "Best level 61 %: 7,3 W at -27 dB");
    EXPECT_EQ(BestLevelText({}, ','), "No level met the target IMD");
}

}  // namespace
