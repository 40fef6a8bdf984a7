#include "measure/ChartAxes.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>

QString ChartNumber(double value, int decimals) {
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

void PaintBottomAxis(QPainter& painter, const QRect& area, const PlotRange& range,
                     const AxisLook& look) {
    // Pixel edges: the range runs from the area's left edge to the right edge of its last
    // column, so a tick at the very end is kept on that column.
    const PlotScale toX(range, area.left(), area.right() + 1);
    const PlotTicks ticks = NiceTicks(range, std::max(2, area.width() / look.minLabelSpacing));
    const int row = area.bottom() + 1;
    const int labelTop = row + look.tickLength + look.labelGap;
    for (const double value : ticks.Values) {
        const int column = std::min(area.right(), int(std::floor(toX.ToPixel(value))));
        painter.setPen(look.tickColour);
        painter.drawLine(column, row, column, row + look.tickLength);
        painter.setPen(Qt::white);
        painter.drawText(QRect(column - look.minLabelSpacing / 2, labelTop, look.minLabelSpacing,
                               painter.fontMetrics().height()),
                         Qt::AlignHCenter | Qt::AlignTop, ChartNumber(value, ticks.Decimals()));
    }
}

void PaintSideAxis(QPainter& painter, const QRect& area, const PlotRange& range, Qt::Edge side,
                   int band, const AxisLook& look) {
    const PlotScale toY(range, area.bottom() + 1, area.top());
    const PlotTicks ticks = NiceTicks(range, std::max(2, area.height() / look.minRowSpacing));
    const bool left = side == Qt::LeftEdge;
    // The tick's first pixel outside the area, and which way it points.
    const int edge = left ? area.left() - 1 : area.right() + 1;
    const int outward = left ? -1 : 1;
    const int tickEnd = edge + outward * (look.tickLength - 1);
    const int labelWidth = band - look.tickLength - look.labelGap;
    const int labelLeft = left ? area.left() - band : tickEnd + 1 + look.labelGap;
    for (const double value : ticks.Values) {
        const int row = int(std::lround(toY.ToPixel(value)));
        painter.setPen(look.tickColour);
        painter.drawLine(std::min(edge, tickEnd), row, std::max(edge, tickEnd), row);
        painter.setPen(Qt::white);
        painter.drawText(labelLeft, row - look.minRowSpacing / 2, labelWidth, look.minRowSpacing,
                         (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                         ChartNumber(value, ticks.Decimals()));
    }
}
