#pragma once
// The chart that fills the main window: the envelope as lime bars mirrored about zero and,
// for a two-tone frame, the ideal sine arch as two yellow lines, over a bottom axis whose
// round labels follow the points. Both axes scale to the points; the vertical one is hidden.

#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

#include "measure/PlotScale.h"

class EnvelopeChart : public QWidget {
    Q_OBJECT
public:
    explicit EnvelopeChart(QWidget* parent = nullptr);

    // A cycle empties the series with Clear(), refills them and shows them with Commit(),
    // which paints the chart once.
    void Clear();
    void AppendEnvelope(int n, double sample);
    void AppendIdeal(int n, double value);
    void Commit();

    int PointCount() const;

    // The last committed frame in words, the chart's description for screen readers. Set
    // with each frame, it raises no event: a reader asks for it when the operator does.
    void SetSummary(const QString& words) { summary_ = words; }
    QString Summary() const;

    // The pixels the bars may fill; the axis runs along the row below.
    QRect PlotArea() const;
    // Where a point of the series lands on the widget at its present size and content.
    QPointF ToPixel(const PlotPoint& point) const;

    // The envelope up from zero and down from zero, the bars of both sharing each x; the
    // ideal arch and its mirror image.
    std::vector<PlotPoint> envelopeTop, envelopeBottom, idealTop, idealBottom;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Scales {
        PlotRange x;
        PlotScale toX, toY;
    };
    Scales ScalesNow() const;

    QString summary_;
};
