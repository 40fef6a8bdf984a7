#include "measure/HistoryDecimation.h"

#include <algorithm>
#include <cmath>

std::vector<ColumnSpan> DecimateToColumns(const HistoryStore& store, HistoryFigure figure,
                                          std::int64_t fromMillis, std::int64_t toMillis,
                                          int columns) {
    std::vector<ColumnSpan> spans;
    if (columns < 1 || toMillis <= fromMillis) return spans;
    const double width = double(toMillis - fromMillis);
    for (std::size_t i = store.FirstAtOrAfter(fromMillis); i < store.Size(); ++i) {
        const HistoryRecord& r = store.At(i);
        if (r.UtcMillis() > toMillis) break;
        const float value = r.*figure;
        if (!std::isfinite(value)) continue;
        const int column =
            std::min(columns - 1, int(double(r.UtcMillis() - fromMillis) / width * columns));
        if (spans.empty() || spans.back().Column != column) {
            spans.push_back({column, value, value});
        } else {
            spans.back().Low = std::min(spans.back().Low, value);
            spans.back().High = std::max(spans.back().High, value);
        }
    }
    return spans;
}
