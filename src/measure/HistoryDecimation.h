#pragma once
// Thins a span of the history to what a plot of a given width can show: per pixel column,
// the lowest and highest value of the records that fall in it. A day of records drawn on a
// few hundred columns costs a few hundred lines, and a short burst of splatter among clean
// cycles still reaches its column's top.

#include <cstdint>
#include <vector>

#include "measure/HistoryStore.h"

struct ColumnSpan {
    int Column = 0;
    float Low = 0.0f;
    float High = 0.0f;
};

// The figure a plot shows, e.g. &HistoryRecord::ImdDb.
using HistoryFigure = float HistoryRecord::*;

// Columns 0..columns-1 cover [fromMillis, toMillis) evenly; a record at toMillis belongs to
// the last. Records outside, and figures the cycle did not reach, are left out; columns
// without any value are not listed.
std::vector<ColumnSpan> DecimateToColumns(const HistoryStore& store, HistoryFigure figure,
                                          std::int64_t fromMillis, std::int64_t toMillis,
                                          int columns);
