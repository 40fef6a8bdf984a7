#include "measure/SweepChart.h"

#include <QPainter>
#include <QPen>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "measure/ChartAxes.h"

namespace {
const QColor kImdColour(0, 255, 0);
const QColor kPowerColour(0, 255, 255);
const QColor kTargetColour(255, 255, 0);
const QColor kBestColour(255, 160, 0);
const QColor kCurrentColour(Qt::white);
const AxisLook kAxisLook;
// Room either side for an axis's labels, above the plot for the markers' names, below it
// for the level axis and the row naming the three axes.
constexpr int kLabelBand = 48;
constexpr int kTopGap = 4;
constexpr int kNameInset = 4;
constexpr int kSeriesPenWidth = 2;
constexpr double kDotRadius = 3.5;
constexpr double kRingRadius = 7.0;
constexpr int kRingPenWidth = 2;
// The levels' axis reaches a little beyond 0 and 100 % so that no point sits on the frame;
// the figures' axes a little beyond their extremes.
constexpr double kLevelMargin = 2.0;
// The volume axis, 0 to 100 % and the margin, for the points and the axis's ticks alike.
constexpr PlotRange kLevelRange{-kLevelMargin, 100.0 + kLevelMargin};
constexpr double kValueMargin = 0.05;
// Fewer decibels than this between the lowest and highest IMD shown would make a step of
// one decibel look like a cliff.
constexpr double kMinImdSpan = 10.0;
constexpr double kMinWattsSpan = 1.0;

// Whether the step's signal was two tones, so that its IMD was measured.
bool TwoTone(const SweepStep& step) {
    switch (step.state) {
        case SignalState::SignalOk:
        case SignalState::Underdriving:
        case SignalState::Overmodulated:
        case SignalState::Undecided:
            return true;
        default:
            return false;
    }
}

PlotRange WithMargin(PlotRange range) {
    const double margin = (range.High - range.Low) * kValueMargin;
    return {range.Low - margin, range.High + margin};
}

// Whole watts from 10 W up, tenths below.
QString Watts(double watts) {
    return SweepChart::tr("%1 W").arg(ChartNumber(watts, watts >= 10.0 ? 0 : 1));
}

QString Figures(const SweepStep& step) {
    return SweepChart::tr("%1 %: %2, ").arg(step.level).arg(Watts(step.watts)) +
           (TwoTone(step) ? SweepChart::tr("IMD %1 dB").arg(std::lround(step.imdDb))
                          : SweepChart::tr("no two-tone signal"));
}
}  // namespace

SweepChart::SweepChart(QWidget* parent) : QWidget(parent) {
    setObjectName("chart");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
    setAccessibleName(tr("Levels measured"));
    setAccessibleDescription(Description());
}

void SweepChart::SetSweep(std::vector<SweepStep> steps, std::optional<int> currentLevel,
                          int targetImd, std::optional<int> bestLevel) {
    steps_ = std::move(steps);
    currentLevel_ = currentLevel;
    targetImd_ = targetImd;
    bestLevel_ = bestLevel;
    // The last measurement of a level is the one that counts: keep the first of each level
    // in the reversed list.
    byLevel_.assign(steps_.rbegin(), steps_.rend());
    std::stable_sort(byLevel_.begin(), byLevel_.end(),
                     [](const SweepStep& a, const SweepStep& b) { return a.level < b.level; });
    byLevel_.erase(
        std::unique(byLevel_.begin(), byLevel_.end(),
                    [](const SweepStep& a, const SweepStep& b) { return a.level == b.level; }),
        byLevel_.end());
    setAccessibleDescription(Description());
    update();
}

QString SweepChart::Description() const {
    QStringList parts;
    if (byLevel_.empty()) {
        parts << tr("No levels measured yet");
    } else {
        QString count = byLevel_.size() == 1 ? tr("1 level measured")
                                             : tr("%1 levels measured, %2 % to %3 %")
                                                   .arg(byLevel_.size())
                                                   .arg(byLevel_.front().level)
                                                   .arg(byLevel_.back().level);
        parts << count << tr("at %1").arg(Figures(steps_.back()));
    }
    if (currentLevel_) parts << tr("now at %1 %").arg(*currentLevel_);
    if (bestLevel_) {
        const auto best = std::find_if(byLevel_.begin(), byLevel_.end(),
                                       [&](const SweepStep& s) { return s.level == *bestLevel_; });
        parts << (best != byLevel_.end() ? tr("best level %1").arg(Figures(*best))
                                         : tr("best level %1 %").arg(*bestLevel_));
    }
    if (!byLevel_.empty()) parts << tr("target IMD %1 dB").arg(targetImd_);
    return parts.join("; ");
}

QRect SweepChart::PlotArea() const {
    const int line = fontMetrics().height();
    const int bottomBand = kAxisLook.tickLength + kAxisLook.labelGap + 2 * line;
    return QRect(QPoint(kLabelBand, line + kTopGap),
                 QPoint(width() - kLabelBand - 1, height() - bottomBand - 1));
}

SweepChart::Scales SweepChart::ScalesNow() const {
    PlotRange imd, watts;
    imd.Include(targetImd_);
    watts.Include(0.0);
    for (const SweepStep& s : byLevel_) {
        if (TwoTone(s)) imd.Include(s.imdDb);
        watts.Include(s.watts);
    }
    if (imd.High - imd.Low < kMinImdSpan) imd.Include(imd.High - kMinImdSpan);
    if (watts.High < kMinWattsSpan) watts.Include(kMinWattsSpan);
    imd = WithMargin(imd);
    watts = WithMargin(watts);
    const QRect area = PlotArea();
    return {imd, watts, PlotScale(kLevelRange, area.left(), area.right() + 1),
            PlotScale(imd, area.bottom() + 1, area.top()),
            PlotScale(watts, area.bottom() + 1, area.top())};
}

QPointF SweepChart::ImdPoint(double level, double imdDb) const {
    const Scales s = ScalesNow();
    return {s.toX.ToPixel(level), s.toImd.ToPixel(imdDb)};
}

QPointF SweepChart::PowerPoint(double level, double watts) const {
    const Scales s = ScalesNow();
    return {s.toX.ToPixel(level), s.toWatts.ToPixel(watts)};
}

void SweepChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const Scales s = ScalesNow();
    const QRect area = PlotArea();

    painter.setPen(Qt::darkGray);
    painter.drawRect(area.adjusted(-1, -1, 0, 0));
    PaintBottomAxis(painter, area, kLevelRange, kAxisLook);
    // The axes' names, in the colours of what they measure, double as the legend.
    const int line = fontMetrics().height();
    const QRect names(kNameInset, height() - line, width() - 2 * kNameInset, line);
    painter.setPen(kImdColour);
    painter.drawText(names, Qt::AlignLeft | Qt::AlignVCenter, tr("IMD dB"));
    painter.setPen(Qt::white);
    painter.drawText(names, Qt::AlignHCenter | Qt::AlignVCenter, tr("sound output volume %"));
    painter.setPen(kPowerColour);
    painter.drawText(names, Qt::AlignRight | Qt::AlignVCenter, tr("peak power W"));
    PaintMarkers(painter, s);
    if (byLevel_.empty()) {
        // No figures to scale yet, nor to set against the target.
        painter.setPen(Qt::white);
        painter.drawText(area, Qt::AlignCenter, tr("No levels measured yet"));
        return;
    }

    PaintSideAxis(painter, area, s.imd, Qt::LeftEdge, kLabelBand, kAxisLook);
    PaintSideAxis(painter, area, s.watts, Qt::RightEdge, kLabelBand, kAxisLook);
    const int targetRow = int(std::lround(s.toImd.ToPixel(targetImd_)));
    painter.setPen(QPen(kTargetColour, 1, Qt::DashLine));
    painter.drawLine(area.left(), targetRow, area.right(), targetRow);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintSeries(painter, s.toX, s.toWatts, &SweepStep::watts, kPowerColour);
    PaintSeries(painter, s.toX, s.toImd, &SweepStep::imdDb, kImdColour);
    if (bestLevel_) {
        painter.setPen(QPen(kBestColour, kRingPenWidth));
        painter.setBrush(Qt::NoBrush);
        for (const SweepStep& step : byLevel_) {
            if (step.level != *bestLevel_) continue;
            for (const auto& [toY, figure] :
                 {std::pair{&s.toImd, step.imdDb}, std::pair{&s.toWatts, step.watts}})
                painter.drawEllipse(QPointF(s.toX.ToPixel(step.level), toY->ToPixel(figure)),
                                    kRingRadius, kRingRadius);
        }
    }
}

void SweepChart::PaintMarkers(QPainter& painter, const Scales& s) const {
    // A vertical line through the plot at the level, named above it.
    const QRect area = PlotArea();
    const auto mark = [&](int level, const QPen& pen, const QString& name) {
        const int column =
            std::clamp(int(std::floor(s.toX.ToPixel(level))), area.left(), area.right());
        painter.setPen(pen);
        painter.drawLine(column, area.top(), column, area.bottom());
        painter.setPen(pen.color());
        const int width = painter.fontMetrics().horizontalAdvance(name) + 2;
        const int left = std::clamp(column - width / 2, 0, std::max(0, this->width() - width));
        painter.drawText(QRect(left, 0, width, area.top() - 1), Qt::AlignCenter, name);
    };
    if (currentLevel_) mark(*currentLevel_, QPen(kCurrentColour, 1, Qt::DotLine), tr("now"));
    if (bestLevel_) mark(*bestLevel_, QPen(kBestColour), tr("best %1 %").arg(*bestLevel_));
}

void SweepChart::PaintSeries(QPainter& painter, const PlotScale& toX, const PlotScale& toY,
                             double SweepStep::*figure, const QColor& colour) const {
    const auto at = [&](const SweepStep& step) {
        return QPointF(toX.ToPixel(step.level), toY.ToPixel(step.*figure));
    };
    painter.setPen(QPen(colour, kSeriesPenWidth));
    for (std::size_t i = 1; i < byLevel_.size(); ++i) {
        if (TwoTone(byLevel_[i - 1]) && TwoTone(byLevel_[i]))
            painter.drawLine(at(byLevel_[i - 1]), at(byLevel_[i]));
    }
    // A level without two tones has no IMD; its power is a ring, the centre left black.
    for (const SweepStep& step : byLevel_) {
        if (!TwoTone(step) && figure == &SweepStep::imdDb) continue;
        painter.setBrush(TwoTone(step) ? QBrush(colour) : QBrush(Qt::black));
        painter.drawEllipse(at(step), kDotRadius, kDotRadius);
    }
    painter.setBrush(Qt::NoBrush);
}
