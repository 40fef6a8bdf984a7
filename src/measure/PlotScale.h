#pragma once
// The arithmetic under the program's plots, free of any widget: the range an axis covers,
// round tick values on it, and where a value lands in pixels. Each axis has a scale of its
// own, so a plot may put sample numbers, seconds or decibels on either.

#include <vector>

struct PlotPoint {
    double X = 0.0;
    double Y = 0.0;
};

// The values an axis covers. It starts empty and grows to hold what it is shown.
struct PlotRange {
    double Low = 0.0;
    double High = -1.0;

    bool Empty() const { return Low > High; }
    void Include(double value);
};

// Tick values 1, 2 or 5 times a power of ten apart, inside the range, at most `maxTicks`
// of them; none for a range that is empty or a single value.
struct PlotTicks {
    double Step = 0.0;
    std::vector<double> Values;

    // Decimals that show every tick exactly: 0 for steps of 1 and more, 1 for 0.5 or 0.1...
    int Decimals() const;
};
PlotTicks NiceTicks(const PlotRange& range, int maxTicks);

// Maps a range linearly onto a pixel span; `pixelAtHigh` may lie above `pixelAtLow`, as on
// a vertical axis. A range of a single value (or none) maps everything to the middle.
class PlotScale {
public:
    PlotScale(const PlotRange& range, double pixelAtLow, double pixelAtHigh);

    double ToPixel(double value) const;

private:
    double low_ = 0.0;
    double span_ = 1.0;
    double pixelAtLow_ = 0.0;
    double pixelSpan_ = 0.0;
};
