#pragma once
// The axes the program's charts share: ticks at round values along a plot's bottom edge or
// beside either of its sides, each with its label in white on the charts' black.

#include <QColor>
#include <QRect>
#include <QString>
#include <Qt>

#include "measure/PlotScale.h"

class QPainter;

struct AxisLook {
    QColor tickColour = Qt::darkGray;
    int tickLength = 4;
    int labelGap = 2;  // between a tick's end and its label
    // Labels closer than these would run into each other.
    int minLabelSpacing = 50;  // along the bottom
    int minRowSpacing = 24;    // down a side
};

// `value` with `decimals` decimals and the locale's decimal separator, as the status line
// writes its figures; no group separator.
QString ChartNumber(double value, int decimals);

// Ticks down from the row below `area`, for `range` spread over the area's columns, each
// labelled beneath.
void PaintBottomAxis(QPainter& painter, const QRect& area, const PlotRange& range,
                     const AxisLook& look);

// Ticks out from `area`'s left or right side, for `range` spread over its rows from the
// bottom up, labelled within `band` pixels of the side.
void PaintSideAxis(QPainter& painter, const QRect& area, const PlotRange& range, Qt::Edge side,
                   int band, const AxisLook& look);
