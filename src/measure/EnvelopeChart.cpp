#include "measure/EnvelopeChart.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "measure/ChartAxes.h"

namespace {
const QColor kLime(0, 255, 0);
const QColor kYellow(255, 255, 0);
// A clean frame's ideal arch lies on the bar tops, where a one-pixel line is hard to see.
constexpr int kIdealPenWidth = 2;
// Room beside the plot for half of the outermost labels, above the tallest bar, and below
// the plot for the axis with its ticks and labels.
constexpr int kSideMargin = 20;
constexpr int kTopMargin = 11;
constexpr int kAxisBand = 32;
// The axis's ticks stand out a little more than the history's.
const AxisLook kAxisLook{.tickColour = Qt::gray, .tickLength = 5};

int Round(double pixel) {
    return int(std::lround(pixel));
}
}  // namespace

EnvelopeChart::EnvelopeChart(QWidget* parent) : QWidget(parent) {
    setObjectName("envelopeChart");
    // Every paint covers the whole widget in black first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The main window's pop-up menu works over the chart as well.
    setContextMenuPolicy(Qt::NoContextMenu);
    // Reachable with Tab, so that a screen reader says its name and the last frame.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Envelope chart"));
}

QString EnvelopeChart::Summary() const {
    return summary_.isEmpty() ? tr("No frame yet") : summary_;
}

void EnvelopeChart::Clear() {
    for (auto* series : {&envelopeTop, &envelopeBottom, &idealTop, &idealBottom}) series->clear();
}

void EnvelopeChart::AppendEnvelope(int n, double sample) {
    envelopeTop.push_back({double(n), sample});
    envelopeBottom.push_back({double(n), -sample});
}

void EnvelopeChart::AppendIdeal(int n, double value) {
    idealTop.push_back({double(n), value});
    idealBottom.push_back({double(n), -value});
}

void EnvelopeChart::Commit() {
    update();
}

int EnvelopeChart::PointCount() const {
    return int(envelopeTop.size() + envelopeBottom.size() + idealTop.size() + idealBottom.size());
}

QRect EnvelopeChart::PlotArea() const {
    return QRect(QPoint(kSideMargin, kTopMargin),
                 QPoint(width() - kSideMargin - 1, height() - kAxisBand - 1));
}

EnvelopeChart::Scales EnvelopeChart::ScalesNow() const {
    // Each point owns a slot one unit wide, which its bar fills; the vertical axis is
    // symmetric about zero so that the mirrored halves are equal.
    PlotRange x;
    double top = 1.0;
    for (const auto* series : {&envelopeTop, &envelopeBottom, &idealTop, &idealBottom}) {
        for (const PlotPoint& p : *series) {
            x.Include(p.X - 0.5);
            x.Include(p.X + 0.5);
            top = std::max(top, std::abs(p.Y));
        }
    }
    // Pixel edges: the area runs from its left edge to the right edge of its last column.
    const QRect area = PlotArea();
    return {x, PlotScale(x, area.left(), area.right() + 1),
            PlotScale({-top, top}, area.bottom() + 1, area.top())};
}

QPointF EnvelopeChart::ToPixel(const PlotPoint& point) const {
    const Scales s = ScalesNow();
    return {s.toX.ToPixel(point.X), s.toY.ToPixel(point.Y)};
}

void EnvelopeChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const Scales s = ScalesNow();

    // Pixel edges rounded from the slot edges: neighbouring bars touch without a gap.
    const int zero = Round(s.toY.ToPixel(0.0));
    for (const auto* bars : {&envelopeTop, &envelopeBottom}) {
        for (const PlotPoint& p : *bars) {
            const int left = Round(s.toX.ToPixel(p.X - 0.5));
            const int right = Round(s.toX.ToPixel(p.X + 0.5));
            const int end = Round(s.toY.ToPixel(p.Y));
            painter.fillRect(left, std::min(zero, end), right - left, std::abs(end - zero), kLime);
        }
    }
    painter.setPen(QPen(kYellow, kIdealPenWidth));
    for (const auto* line : {&idealTop, &idealBottom}) {
        QPolygonF polyline;
        for (const PlotPoint& p : *line)
            polyline << QPointF(s.toX.ToPixel(p.X), s.toY.ToPixel(p.Y));
        painter.drawPolyline(polyline);
    }

    // Without points there is nothing to label: the axis line alone.
    const QRect area = PlotArea();
    const int axisRow = area.bottom() + 1;
    painter.setPen(Qt::gray);
    painter.drawLine(area.left(), axisRow, area.right(), axisRow);
    PaintBottomAxis(painter, area, s.x, kAxisLook);
}
