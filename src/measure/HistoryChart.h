#pragma once
// The history window's plots against time: IMD in dB over the target IMD as a yellow line,
// and the estimated peak power below it, sharing a time axis in minutes before the newest
// record. Each paint thins the span to the plot's width, so a repaint costs the same for
// ten minutes as for a day.

#include <QRect>
#include <QWidget>
#include <cstdint>

#include "measure/HistoryDecimation.h"

class HistoryChart : public QWidget {
    Q_OBJECT
public:
    explicit HistoryChart(const HistoryStore& store, QWidget* parent = nullptr);

    // 0 shows the whole session.
    void SetSpanMillis(std::int64_t span);
    std::int64_t SpanMillis() const { return span_; }
    void SetTargetImd(int targetImd);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintPlot(QPainter& painter, const QRect& area, HistoryFigure figure, const QColor& colour,
                   const char* unit, bool withTarget, std::int64_t from, std::int64_t to);
    void PaintTimeAxis(QPainter& painter, const QRect& area, std::int64_t from, std::int64_t to);

    const HistoryStore& store_;
    std::int64_t span_ = 10 * 60 * 1000;
    int targetImd_ = -22;
};
