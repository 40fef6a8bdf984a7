#include "measure/LevelSweep.h"

#include <algorithm>
#include <map>

#include "base/Translation.h"
#include "measure/FixedFormat.h"

namespace {

// Watts must rise by more than this share from one measured level to the next for the two
// to count as linear: a few per cent, well above what one count of the meter changes at
// the fine step, well below what a level's square law gives at a coarse one.
constexpr double kLinearRise = 0.03;

bool SignalGone(SignalState state) {
    return state == SignalState::NoSignal || state == SignalState::Data ||
           state == SignalState::NotResponding;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? values[half] : (values[half - 1] + values[half]) / 2.0;
}

}  // namespace

bool MeetsTarget(SignalState state, double imdDb, int targetImd) {
    switch (state) {
        case SignalState::SignalOk:
        case SignalState::Underdriving:
        case SignalState::Undecided:
            return imdDb <= targetImd;
        default:
            return false;
    }
}

LevelSweep::LevelSweep(SweepPlan plan) : plan_(std::move(plan)) {
    plan_.highestLevel = std::clamp(plan_.highestLevel, 0, 100);
    plan_.lowestLevel = std::clamp(plan_.lowestLevel, 0, plan_.highestLevel);
    plan_.coarseStep = std::max(plan_.coarseStep, 1);
    plan_.fineStep = std::max(plan_.fineStep, 1);
    plan_.settleCycles = std::max(plan_.settleCycles, 0);
    plan_.measureCycles = std::max(plan_.measureCycles, 1);
    level_ = plan_.lowestLevel;
}

bool LevelSweep::Feed(const Measurement& m) {
    if (!Running()) return false;
    if (SignalGone(m.State)) {
        return ++goneInARow_ >= 2 ? End(SweepStop::SignalGone) : false;
    }
    goneInARow_ = 0;
    if (settled_ < plan_.settleCycles) {
        ++settled_;
        return false;
    }
    cycles_.push_back(m);
    if (static_cast<int>(cycles_.size()) < plan_.measureCycles) return false;

    steps_.push_back(Summarize());
    const std::optional<int> next = NextLevel(steps_.back());
    return next ? MoveTo(*next) : End(SweepStop::Finished);
}

void LevelSweep::Stop(SweepStop why) {
    if (Running() && why != SweepStop::Running) End(why);
}

SweepResult LevelSweep::Result() const {
    return FindBestLevel(steps_);
}

SweepStep LevelSweep::Summarize() const {
    std::vector<double> volts, watts, imd;
    std::map<SignalState, int> counts;
    SweepStep step;
    step.level = level_;
    int mostFrequent = 0;
    for (const Measurement& cycle : cycles_) {
        Measurement copy = cycle;
        EstimatePower(copy, plan_.qrpJumpered);
        volts.push_back(copy.PeakVolts);
        watts.push_back(copy.PowerWatts);
        imd.push_back(copy.ImdDb);
        // On a tie the later cycle's state wins: the output has had longer to settle.
        if (const int count = ++counts[cycle.State]; count >= mostFrequent) {
            mostFrequent = count;
            step.state = cycle.State;
        }
    }
    step.peakVolts = Median(volts);
    step.watts = Median(watts);
    step.imdDb = Median(imd);
    step.overPower = step.state == SignalState::OverPower ||
                     (plan_.maxVolts && step.peakVolts > *plan_.maxVolts);
    step.meetsTarget = !step.overPower && MeetsTarget(step.state, step.imdDb, plan_.targetImd);
    return step;
}

std::optional<int> LevelSweep::NextLevel(const SweepStep& step) {
    if (floor_) {  // back down across the crossing: the first level that meets it is the best
        const int next = step.level - plan_.fineStep;
        if (step.meetsTarget || next <= *floor_) return std::nullopt;
        return next;
    }
    anyMet_ = anyMet_ || step.meetsTarget;
    // Underdriven, noisy or undecided low steps only say the drive is still too low; splatter
    // and too much power say it is already too high, whether or not a step met the target.
    const bool crossed = step.overPower || step.state == SignalState::Overmodulated ||
                         (anyMet_ && !step.meetsTarget);
    if (crossed) {
        const std::size_t count = steps_.size();
        floor_ = count >= 2 ? steps_[count - 2].level : step.level;
        const int next = step.level - plan_.fineStep;
        if (next <= *floor_) return std::nullopt;
        return next;
    }
    if (step.level >= plan_.highestLevel) return std::nullopt;
    return std::min(step.level + plan_.coarseStep, plan_.highestLevel);
}

bool LevelSweep::MoveTo(int level) {
    cycles_.clear();
    settled_ = 0;
    const bool changed = level != level_;
    level_ = level;
    return changed;
}

bool LevelSweep::End(SweepStop why) {
    stop_ = why;
    const SweepResult result = FindBestLevel(steps_);
    const bool found = why == SweepStop::Finished && result.best;
    return MoveTo(found ? result.best->level : plan_.startLevel);
}

SweepResult FindBestLevel(const std::vector<SweepStep>& steps) {
    std::map<int, SweepStep> byLevel;
    for (const SweepStep& step : steps) byLevel[step.level] = step;
    std::vector<SweepStep> sorted;
    for (const auto& [level, step] : byLevel) sorted.push_back(step);

    SweepResult result;
    auto best = std::find_if(sorted.rbegin(), sorted.rend(), [](const SweepStep& step) {
        return step.meetsTarget && !step.overPower;
    });
    if (best == sorted.rend()) return result;
    result.best = *best;
    result.linearFrom = result.linearTo = best->level;

    const auto rises = [&](std::size_t i) {
        return sorted[i].watts > sorted[i - 1].watts * (1.0 + kLinearRise);
    };
    // The highest level at or below the best that rose from the one below it, then down
    // while the levels keep rising.
    std::size_t top = sorted.size() - 1 - static_cast<std::size_t>(best - sorted.rbegin());
    while (top > 0 && !rises(top)) --top;
    if (top == 0) return result;
    std::size_t bottom = top;
    while (bottom > 0 && rises(bottom)) --bottom;
    result.linearFrom = sorted[bottom].level;
    result.linearTo = sorted[top].level;
    return result;
}

std::string BestLevelText(const SweepResult& result, char decimalSeparator, bool english) {
    const auto text = [english](const char* pattern,
                                std::initializer_list<std::string_view> parts) {
        return TextIn(english, "LevelSweep", pattern, parts);
    };
    if (!result.best) return text(TRANSLATABLE("LevelSweep", "No level met the target IMD"), {});
    const SweepStep& best = *result.best;
    const int wattDecimals = best.watts >= 10.0 ? 0 : 1;
    return text(
        TRANSLATABLE("LevelSweep", "Best level %1 %: %2 W at %3 dB"),
        {std::to_string(best.level), FormatFixed(best.watts, 0, wattDecimals, decimalSeparator),
         FormatFixed(best.imdDb, 0, 0, decimalSeparator)});
}

std::string LinearRangeText(const SweepResult& result) {
    if (result.linearTo <= result.linearFrom) return {};
    return FilledIn(Translated("LevelSweep", "Linear from %1 % to %2 %"),
                    {std::to_string(result.linearFrom), std::to_string(result.linearTo)});
}
