// The best-level sweep against a synthetic transmitter: the levels it visits, what one bad
// cycle cannot do, the power limit, the signal going away, and the result and its text.
#include "measure/LevelSweep.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Noise below 15 %, sagging flanks below 25 %, clean below the knee, splatter from it on;
// the peak grows 0.05 V a percent. With a limit the analysis itself reads over power.
Measurement Reading(int level, int knee, std::optional<double> analysisLimit = {}) {
    Measurement m;
    if (level < 15) {
        m.State = SignalState::Noise;
        return m;
    }
    m.TwoTone = true;
    m.PeakVolts = level * 0.05;
    if (analysisLimit && m.PeakVolts > *analysisLimit) {
        m.State = SignalState::OverPower;
    } else if (level < 25) {
        std::tie(m.State, m.ImdDb) = std::pair(SignalState::Underdriving, -18.0);
    } else if (level < knee) {
        std::tie(m.State, m.ImdDb) = std::pair(SignalState::SignalOk, -30.0);
    } else {
        std::tie(m.State, m.ImdDb) = std::pair(SignalState::Overmodulated, -15.0);
    }
    return m;
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
              std::optional<double> analysisLimit = {}) {
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
    } cases[] = {
        {40, {}, {10, 20, 30, 40, 38}, 38},
        {80, {}, {10, 20, 30, 40, 50, 60, 70, 80, 78}, 78},
        {44, {}, {10, 20, 30, 40, 50, 48, 46, 44, 42}, 42},  // back down to above the last good
        {200, {.highestLevel = 75}, {10, 20, 30, 40, 50, 60, 70, 75}, 75},
        {200,
         {.lowestLevel = 5, .highestLevel = 130},
         {5, 15, 25, 35, 45, 55, 65, 75, 85, 95, 100},
         100},
        {22, {.lowestLevel = 15}, {15, 25, 23, 21, 19, 17}, 0},  // splatter before any good step
    };
    for (const Case& c : cases) {
        const Outcome run = Sweep(c.plan, c.knee);
        EXPECT_EQ(run.levels, c.levels) << c.knee;
        EXPECT_EQ(run.stop, SweepStop::Finished) << c.knee;
        EXPECT_EQ(run.best, c.best) << c.knee;
        EXPECT_EQ(run.level, c.best ? c.best : c.plan.startLevel) << c.knee;
    }
}

TEST(LevelSweepTest, OneBadCycleNeitherEndsTheSweepNorMovesTheKnee) {
    const std::vector<int> clean = {10, 20, 30, 40, 50, 60, 58};
    const std::vector<Upset> upsets[] = {
        {{30, 2, SignalState::NoSignal}},
        {{40, 0, SignalState::Data}},
        {{20, 1, SignalState::NotResponding}, {20, 3, SignalState::NoSignal}},
        {{50, 1, SignalState::Overmodulated}},  // 0 dB: a mean would fail the level
        {{60, 3, SignalState::SignalOk, -30.0}},
        {{58, 2, SignalState::Overmodulated}},
        {{30, 1, SignalState::Underdriving, -12.0}},
    };
    for (const auto& upset : upsets) {
        const Outcome run = Sweep({}, 60, upset);
        EXPECT_EQ(run.levels, clean) << upset[0].level;
        EXPECT_EQ(std::pair(run.stop, run.best), std::pair(SweepStop::Finished, 58))
            << upset[0].level;
    }
}

TEST(LevelSweepTest, PowerLimitCapsTheLevel) {
    // 2.7 V is reached at 54 %: from the plan's limit or from the analysis' own verdict.
    const std::vector<int> capped = {10, 20, 30, 40, 50, 60, 58, 56, 54};
    for (const bool analysisReadsIt : {false, true}) {
        SweepPlan plan;
        if (!analysisReadsIt) plan.maxVolts = 2.7;
        const auto limit = analysisReadsIt ? std::optional(2.7) : std::nullopt;
        const Outcome run = Sweep(plan, 80, {}, limit);
        EXPECT_EQ(run.levels, capped) << analysisReadsIt;
        EXPECT_EQ(run.best, 54) << analysisReadsIt;
    }
}

TEST(LevelSweepTest, TwoGoneCyclesInARowOrTheOperatorStopIt) {
    const std::vector<Upset> gone[] = {
        {{30, 1, SignalState::NoSignal}, {30, 2, SignalState::NoSignal}},
        {{30, 0, SignalState::NotResponding}, {30, 1, SignalState::Data}},
    };
    for (const auto& upsets : gone) {
        const Outcome run = Sweep({.startLevel = 63}, 60, upsets);
        EXPECT_EQ(run.levels, (std::vector{10, 20}));
        EXPECT_EQ(std::pair(run.stop, run.level), std::pair(SweepStop::SignalGone, 63));
    }

    LevelSweep sweep({.startLevel = 63});
    for (int i = 0; i < 5; ++i) sweep.Feed(Reading(sweep.Level(), 60));
    sweep.Stop(SweepStop::Cancelled);
    EXPECT_EQ(std::pair(sweep.State(), sweep.Level()), std::pair(SweepStop::Cancelled, 63));
    EXPECT_FALSE(sweep.Feed(Reading(20, 60)));
    EXPECT_EQ(sweep.Steps().size(), 1u);
}

SweepStep Step(int level, double watts, bool meets = true, bool overPower = false) {
    return {.level = level, .watts = watts, .meetsTarget = meets, .overPower = overPower};
}

TEST(LevelSweepTest, BestLevelAndLinearRangeFromStepsInAnyOrder) {
    struct Case {
        std::vector<SweepStep> steps;
        int best, linearFrom, linearTo;
    } cases[] = {
        // 60 measured again, now failing; 70 over power; 10 to 20 flat.
        {{Step(60, 12), Step(20, 1, false), Step(40, 6), Step(70, 14, true, true), Step(30, 3),
          Step(50, 9.5), Step(60, 12.1, false), Step(10, 1)},
         50,
         20,
         50},
        // The power stops rising 40 to 50: the linear range ends below the best.
        {{Step(50, 6.1), Step(30, 3), Step(40, 6), Step(20, 1)}, 50, 20, 40},
        {{Step(30, 3), Step(40, 3)}, 40, 40, 40},
        {{Step(30, 3, false), Step(40, 6, false, true), Step(50, 9, true, true)}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const SweepResult result = FindBestLevel(c.steps);
        EXPECT_EQ(result.best ? result.best->level : 0, c.best) << c.best;
        EXPECT_EQ(std::pair(result.linearFrom, result.linearTo),
                  std::pair(c.linearFrom, c.linearTo))
            << c.best;
    }
}

TEST(LevelSweepTest, BestLevelTextWithTheLocalesSeparator) {
    SweepResult result{.best = SweepStep{.level = 61, .watts = 24.4, .imdDb = -27.4}};
    EXPECT_EQ(BestLevelText(result, ','), "Best level 61 %: 24 W at -27 dB");
    result.best->watts = 7.26;
    EXPECT_EQ(BestLevelText(result, ','), "Best level 61 %: 7,3 W at -27 dB");
    EXPECT_EQ(BestLevelText({}, ','), "No level met the target IMD");
}

}  // namespace
