#pragma once
// The chart that fills the main window: the envelope as lime bars mirrored about
// zero and, for a two-tone frame, the ideal sine arch as two yellow lines.

#include <QList>
#include <QPointF>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>

class EnvelopeChart : public QChartView {
    Q_OBJECT
public:
    explicit EnvelopeChart(QWidget* parent = nullptr);

    // Clear() starts a cycle's points afresh; they reach the chart together, replacing
    // all four series at once, with Commit(). Emptying the chart in between would lay its
    // axes and items out twice a cycle.
    void Clear();
    void AppendEnvelope(int n, double sample);
    void AppendIdeal(int n, double value);
    void Commit();

    QChart* Chart1;
    // The two bar series are the two sets of one stacked series: positive values
    // stack up from zero and negative ones down, so they share each x position.
    QBarSet* Series1;
    QBarSet* Series2;
    QLineSeries* Series3;
    QLineSeries* Series4;

    int PointCount() const;

private:
    void rescale();

    QStackedBarSeries* bars_;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
    QList<qreal> up_, down_;
    QList<QPointF> ideal_, idealMirror_;
};
