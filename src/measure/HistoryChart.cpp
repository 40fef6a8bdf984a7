#include "measure/HistoryChart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "measure/ChartAxes.h"
#include "measure/PlotScale.h"

namespace {
const QColor kImdColour(0, 255, 0);
const QColor kPowerColour(0, 255, 255);
const QColor kTargetColour(255, 255, 0);
// Room left of the plots for the value labels, above for the plot's name, below for the
// time axis; the gap between the two plots.
constexpr int kLabelBand = 48;
constexpr int kRightMargin = 12;
constexpr int kTitleBand = 16;
constexpr int kAxisBand = 30;
constexpr int kPlotGap = 8;
constexpr int kDotRadius = 1;
constexpr double kValueMargin = 0.05;
constexpr double kMillisPerMinute = 60000.0;
}  // namespace

HistoryChart::HistoryChart(const HistoryStore& store, QWidget* parent)
    : QWidget(parent), store_(store) {
    setObjectName("HistoryChart");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
}

void HistoryChart::SetSpanMillis(std::int64_t span) {
    span_ = span;
    update();
}

void HistoryChart::SetTargetImd(int targetImd) {
    targetImd_ = targetImd;
    update();
}

void HistoryChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // An empty history still shows its axes over the chosen span.
    const std::int64_t to = store_.Empty() ? 0 : store_.Newest().UtcMillis();
    const std::int64_t oldest = store_.Empty() ? 0 : store_.At(0).UtcMillis();
    const std::int64_t from = span_ > 0 ? to - span_ : std::min(oldest, to - 1000);

    const int plotHeight = std::max(1, (height() - kAxisBand - 2 * kTitleBand - kPlotGap) / 2);
    const int right = width() - kRightMargin;
    const QRect imd(QPoint(kLabelBand, kTitleBand), QPoint(right, kTitleBand + plotHeight - 1));
    const QRect power(QPoint(kLabelBand, imd.bottom() + kPlotGap + kTitleBand),
                      QPoint(right, imd.bottom() + kPlotGap + kTitleBand + plotHeight - 1));
    PaintPlot(painter, imd, &HistoryRecord::ImdDb, kImdColour, QT_TR_NOOP("IMD dB"), true, from,
              to);
    PaintPlot(painter, power, &HistoryRecord::Watts, kPowerColour, QT_TR_NOOP("Peak power W"),
              false, from, to);
    PaintTimeAxis(painter, power, from, to);
}

void HistoryChart::PaintPlot(QPainter& painter, const QRect& area, HistoryFigure figure,
                             const QColor& colour, const char* unit, bool withTarget,
                             std::int64_t from, std::int64_t to) {
    const std::vector<ColumnSpan> spans = DecimateToColumns(store_, figure, from, to, area.width());
    PlotRange values;
    for (const ColumnSpan& s : spans) {
        values.Include(s.Low);
        values.Include(s.High);
    }
    if (withTarget) values.Include(targetImd_);
    if (!withTarget) values.Include(0.0);
    if (values.Empty() || values.High - values.Low < 1.0) values.Include(values.Low + 1.0);
    // A margin keeps the extreme values off the plot's frame.
    const double margin = (values.High - values.Low) * kValueMargin;
    values = {values.Low - margin, values.High + margin};
    const PlotScale toY(values, area.bottom() + 1, area.top());

    painter.setPen(Qt::white);
    painter.drawText(area.left(), area.top() - kTitleBand, area.width(), kTitleBand,
                     Qt::AlignLeft | Qt::AlignVCenter, tr(unit));
    painter.setPen(Qt::darkGray);
    painter.drawRect(area.adjusted(-1, -1, 0, 0));
    PaintSideAxis(painter, area, values, Qt::LeftEdge, kLabelBand, {});
    if (withTarget) {
        const int row = int(std::lround(toY.ToPixel(targetImd_)));
        painter.setPen(kTargetColour);
        painter.drawLine(area.left(), row, area.right(), row);
    }
    // A column's span as one vertical stroke, drawn a little wider and taller than it is
    // so that a lone cycle shows as a dot rather than a single pixel.
    for (const ColumnSpan& s : spans) {
        const int x = area.left() + s.Column;
        const int top = int(std::lround(toY.ToPixel(s.High))) - kDotRadius;
        const int bottom = int(std::lround(toY.ToPixel(s.Low))) + kDotRadius;
        painter.fillRect(
            QRect(QPoint(x - kDotRadius, top), QPoint(x + kDotRadius, bottom)).intersected(area),
            colour);
    }
}

void HistoryChart::PaintTimeAxis(QPainter& painter, const QRect& area, std::int64_t from,
                                 std::int64_t to) {
    // Minutes before the newest record: the right edge is 0.
    PaintBottomAxis(painter, area, {double(from - to) / kMillisPerMinute, 0.0}, {});
    painter.setPen(Qt::white);
    painter.drawText(area.left(), area.top() - kTitleBand, area.width(), kTitleBand,
                     Qt::AlignRight | Qt::AlignVCenter, tr("minutes before the last cycle"));
}
