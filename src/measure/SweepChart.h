#pragma once
// The best-level sweep's plot: each measured level's IMD (dB, green, left axis) and peak
// power (W, cyan, right axis) against the sound output's volume, 0 to 100 %, with the
// target IMD as a dashed yellow line, the level being measured as a dotted white marker and
// the best level, once known, as an orange line through rings around its points. A level
// without a two-tone signal has no IMD: its power shows as a hollow point that no line joins.
// Until a level is measured there is nothing to scale: the figures' axes and the target wait.

#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "measure/LevelSweep.h"
#include "measure/PlotScale.h"

class SweepChart : public QWidget {
    Q_OBJECT
public:
    explicit SweepChart(QWidget* parent = nullptr);

    // The steps in the order measured; a level measured twice shows its last figures.
    // `currentLevel` is the level being measured, `bestLevel` the one the sweep named:
    // nothing, no marker.
    void SetSweep(std::vector<SweepStep> steps, std::optional<int> currentLevel, int targetImd,
                  std::optional<int> bestLevel);

    const std::vector<SweepStep>& Steps() const { return steps_; }
    int TargetImd() const { return targetImd_; }

    // What the plot shows, in words: "3 levels measured, 10 % to 70 %; at 40 %: 12 W,
    // IMD -31 dB; ...".
    QString Description() const;

    // The pixels the points may fill; the axes lie outside it.
    QRect PlotArea() const;
    // Where a level's IMD or power lands on the widget at its present size and content.
    QPointF ImdPoint(double level, double imdDb) const;
    QPointF PowerPoint(double level, double watts) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Scales {
        PlotRange imd, watts;
        PlotScale toX, toImd, toWatts;
    };
    Scales ScalesNow() const;
    void PaintSeries(QPainter& painter, const PlotScale& toX, const PlotScale& toY,
                     double SweepStep::*figure, const QColor& colour) const;
    void PaintMarkers(QPainter& painter, const Scales& s) const;

    std::vector<SweepStep> steps_;
    // One step per level, the last measured of each, in rising level.
    std::vector<SweepStep> byLevel_;
    std::optional<int> currentLevel_;
    int targetImd_ = -22;
    std::optional<int> bestLevel_;
};
