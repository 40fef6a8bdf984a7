#include "measure/EnvelopeChart.h"

#include <QPen>
#include <algorithm>

namespace {
const QColor kLime(0, 255, 0);
const QColor kYellow(255, 255, 0);
// A clean frame's ideal arch lies on the bar tops, where a one-pixel line is hard to see.
constexpr int kIdealPenWidth = 2;
}  // namespace

EnvelopeChart::EnvelopeChart(QWidget* parent) : QChartView(parent) {
    setObjectName("Chart1");
    Chart1 = new QChart;
    Chart1->setBackgroundBrush(Qt::black);
    Chart1->setBackgroundRoundness(0);
    Chart1->setPlotAreaBackgroundVisible(false);
    Chart1->legend()->hide();
    Chart1->setMargins(QMargins(2, 2, 2, 2));
    setChart(Chart1);
    setRenderHint(QPainter::Antialiasing, false);
    setBackgroundBrush(Qt::black);
    setFrameShape(QFrame::NoFrame);
    // The main window's pop-up menu works over the chart as well.
    setContextMenuPolicy(Qt::NoContextMenu);

    bars_ = new QStackedBarSeries;
    Series1 = new QBarSet("Series1");
    Series2 = new QBarSet("Series2");
    for (QBarSet* set : {Series1, Series2}) {
        set->setColor(kLime);
        set->setBorderColor(Qt::transparent);
        set->setPen(Qt::NoPen);
        bars_->append(set);
    }
    bars_->setBarWidth(1.0);
    bars_->setLabelsVisible(false);
    Chart1->addSeries(bars_);

    Series3 = new QLineSeries;
    Series4 = new QLineSeries;
    for (QLineSeries* line : {Series3, Series4}) {
        line->setPen(QPen(kYellow, kIdealPenWidth));
        line->setPointsVisible(false);
        Chart1->addSeries(line);
    }

    axisX_ = new QValueAxis;
    axisY_ = new QValueAxis;
    axisX_->setLabelsColor(Qt::white);
    axisX_->setLabelFormat("%d");
    axisX_->setGridLineVisible(false);
    axisX_->setLinePenColor(Qt::gray);
    axisY_->setVisible(false);
    Chart1->addAxis(axisX_, Qt::AlignBottom);
    Chart1->addAxis(axisY_, Qt::AlignLeft);
    for (QAbstractSeries* series : Chart1->series()) {
        series->attachAxis(axisX_);
        series->attachAxis(axisY_);
    }
    rescale();
}

void EnvelopeChart::Clear() {
    up_.clear();
    down_.clear();
    ideal_.clear();
    idealMirror_.clear();
}

void EnvelopeChart::AppendEnvelope(int, double sample) {
    // Bars sit at their index from 0; the lines use the same x for sample n.
    up_.append(sample);
    down_.append(-sample);
}

void EnvelopeChart::AppendIdeal(int n, double value) {
    ideal_.append(QPointF(n - 1, value));
    idealMirror_.append(QPointF(n - 1, -value));
}

void EnvelopeChart::Commit() {
    if (Series1->count() > 0) Series1->remove(0, Series1->count());
    if (Series2->count() > 0) Series2->remove(0, Series2->count());
    Series1->append(up_);
    Series2->append(down_);
    Series3->replace(ideal_);
    Series4->replace(idealMirror_);
    rescale();
}

int EnvelopeChart::PointCount() const {
    return Series1->count() + Series2->count() + Series3->count() + Series4->count();
}

void EnvelopeChart::rescale() {
    // Both axes follow the points, as an automatic chart axis would.
    double top = 1.0;
    for (qreal v : up_) top = std::max(top, double(v));
    for (const QPointF& p : ideal_) top = std::max(top, std::abs(p.y()));
    const int count = std::max<int>({int(up_.size()), int(ideal_.size()), 1});
    axisX_->setRange(-0.5, count - 0.5);
    axisY_->setRange(-top, top);
}
