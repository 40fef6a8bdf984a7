#include "measure/PlotScale.h"

#include <algorithm>
#include <cmath>

namespace {
// Steps computed in floating point land a hair off whole multiples.
constexpr double kFuzz = 1e-9;
}  // namespace

void PlotRange::Include(double value) {
    if (Empty()) {
        Low = High = value;
        return;
    }
    Low = std::min(Low, value);
    High = std::max(High, value);
}

int PlotTicks::Decimals() const {
    if (Step <= 0.0) return 0;
    return std::max(0, -int(std::floor(std::log10(Step) + kFuzz)));
}

PlotTicks NiceTicks(const PlotRange& range, int maxTicks) {
    PlotTicks ticks;
    const double span = range.High - range.Low;
    if (range.Empty() || span <= 0.0 || maxTicks < 1) return ticks;
    // The smallest round step that fits the ticks in; n ticks span n - 1 steps.
    const double rough = span / std::max(maxTicks - 1, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        ticks.Step = factor * power;
        if (ticks.Step >= rough * (1.0 - kFuzz)) break;
    }
    // Whole multiples of the step rather than a running sum, whose errors would pile up;
    // adding 0 turns a -0 (which would be labelled "-0") into 0.
    const double first = std::ceil(range.Low / ticks.Step - kFuzz);
    const double last = std::floor(range.High / ticks.Step + kFuzz);
    for (double k = first; k <= last && int(ticks.Values.size()) < maxTicks; ++k)
        ticks.Values.push_back(k * ticks.Step + 0.0);
    return ticks;
}

PlotScale::PlotScale(const PlotRange& range, double pixelAtLow, double pixelAtHigh) {
    if (range.Empty() || range.High == range.Low) {
        pixelAtLow_ = (pixelAtLow + pixelAtHigh) / 2.0;
        return;
    }
    low_ = range.Low;
    span_ = range.High - range.Low;
    pixelAtLow_ = pixelAtLow;
    pixelSpan_ = pixelAtHigh - pixelAtLow;
}

double PlotScale::ToPixel(double value) const {
    // As a fraction of the range, so that both ends land exactly on their pixels.
    return pixelAtLow_ + (value - low_) / span_ * pixelSpan_;
}
