#pragma once
// The best-level sweep: steps the sound output's volume from a level low enough to be linear
// upward, coarsely until the IMD passes the target, then finely back across the crossing,
// measuring each step, and names the highest level whose signal still meets the target.
// Plain C++: the caller sets the volume it is told to, feeds it every graph cycle's
// figures, and shows what the sweep has measured.

#include <optional>
#include <string>
#include <vector>

#include "measure/Analysis.h"

struct SweepPlan {
    int startLevel = 50;      // the output's volume when the sweep began, percent; it goes back
                              // there when the sweep ends without a best level
    int targetImd = -22;      // dB; a step meets it at or below this (the analysis' own target)
    int lowestLevel = 10;     // the sweep starts here, the lowest level it measures
    int coarseStep = 10;      // percent a step on the way up
    int fineStep = 2;         // percent a step back across the crossing
    int settleCycles = 1;     // cycles thrown away after each level change
    int measureCycles = 3;    // cycles measured at each level; three outvote one bad cycle
    int highestLevel = 100;   // never above 100
    bool qrpJumpered = true;  // the meter's jumper, for the watts of each step
    // Peak volts a step may reach while a power limit is set; above it the sweep goes no
    // higher. Nothing: no limit.
    std::optional<double> maxVolts;
};

// One level's figures: the medians of its measured cycles, so one bad cycle does not count.
struct SweepStep {
    int level = 0;
    double peakVolts = 0.0;
    double watts = 0.0;
    double imdDb = 0.0;
    SignalState state = SignalState::Undecided;  // the most frequent of its cycles' states
    bool meetsTarget = false;  // a two-tone signal at or better than the target IMD
    bool overPower = false;    // its peak is above the power limit
};

struct SweepResult {
    // Nothing when no step met the target.
    std::optional<SweepStep> best;
    // The levels over which power still rose with drive (the linear range); equal when
    // the sweep saw no such range.
    int linearFrom = 0;
    int linearTo = 0;
};

enum class SweepStop {
    Running,
    Finished,    // the result is there
    SignalGone,  // no signal, data, the meter not responding or disconnected
    Cancelled,   // the operator, or the program ending
};

// Whether a step with this state and IMD meets the target: a two-tone signal (clean,
// underdriven or undecided) whose IMD is at or below the target. Splatter and a peak over
// the power limit never do, whatever the IMD reads.
bool MeetsTarget(SignalState state, double imdDb, int targetImd);

class LevelSweep {
public:
    explicit LevelSweep(SweepPlan plan);

    // The level the output must be at now; the caller sets it before the next cycle. Once
    // the sweep has ended: the best level when it found one, else the plan's startLevel.
    int Level() const { return level_; }
    // One graph cycle's figures at Level(). Returns true when Level() changed (set the
    // output again). Two cycles in a row whose state says the signal is gone (no signal,
    // data, not responding) stop the sweep; a single one is left out of the figures.
    bool Feed(const Measurement& m);
    // The meter went away, or the operator or the program ended the sweep.
    void Stop(SweepStop why);

    SweepStop State() const { return stop_; }
    bool Running() const { return stop_ == SweepStop::Running; }
    // Every level measured so far, in the order measured.
    const std::vector<SweepStep>& Steps() const { return steps_; }
    const SweepPlan& Plan() const { return plan_; }
    // Valid once State() is Finished.
    SweepResult Result() const;

private:
    SweepStep Summarize() const;
    // The level after the step just measured, or nothing when the sweep is done.
    std::optional<int> NextLevel(const SweepStep& step);
    bool MoveTo(int level);
    bool End(SweepStop why);

    SweepPlan plan_;
    int level_ = 0;
    SweepStop stop_ = SweepStop::Running;
    std::vector<SweepStep> steps_;
    std::vector<Measurement> cycles_;  // measured at the current level
    int settled_ = 0;                  // cycles thrown away at the current level
    int goneInARow_ = 0;
    bool anyMet_ = false;
    std::optional<int> floor_;  // once going back down: stop above this level
};

// The best level among measured steps: the highest level that meets the target and is not
// over the power limit, with the linear range: the run of measured levels up to the best
// where each level's watts are more than 3 % above the next lower level's.
// Steps may come in any order and a level may repeat (the last measurement of it counts).
SweepResult FindBestLevel(const std::vector<SweepStep>& steps);

// "Best level 61 %: 24 W at -27 dB" (watts with one decimal below 10 W), or "No level met
// the target IMD"; in the operator's language unless `english` (for the log).
std::string BestLevelText(const SweepResult& result, char decimalSeparator, bool english = false);
// "Linear from 10 % to 40 %": where the power still rose with the drive; empty when the
// sweep saw no such range.
std::string LinearRangeText(const SweepResult& result);
