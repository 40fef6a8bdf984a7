#include "measure/PlotScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

TEST(PlotScaleTest, TicksAreRoundStepsInsideTheRangeAndNoMoreThanAsked) {
    const struct {
        PlotRange range;
        int maxTicks;
        double step;
        std::vector<double> values;
        int decimals;
    } rows[] = {{{0.5, 64.5}, 8, 10, {10, 20, 30, 40, 50, 60}, 0},  // 64 slots one wide
                {{-37.2, -12.5}, 6, 5, {-35, -30, -25, -20, -15}, 0},
                {{-0.4, 1.0}, 5, 0.5, {0, 0.5, 1}, 1},  // across zero: a 0, never a -0
                {{0, 0.001}, 3, 0.0005, {0, 0.0005, 0.001}, 4},
                {{}, 5, 0, {}, 0},
                {{3, 3}, 5, 0, {}, 0}};  // empty or one value: no marks
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.range.Low << ".." << row.range.High);
        const PlotTicks ticks = NiceTicks(row.range, row.maxTicks);
        EXPECT_DOUBLE_EQ(ticks.Step, row.step);
        ASSERT_EQ(ticks.Values.size(), row.values.size());
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            EXPECT_DOUBLE_EQ(ticks.Values[i], row.values[i]);
            EXPECT_FALSE(ticks.Values[i] == 0.0 && std::signbit(ticks.Values[i]));
        }
        EXPECT_EQ(ticks.Decimals(), row.decimals);
    }
}

TEST(PlotScaleTest, RangeGrowsToItsValuesAndMapsOntoThePixelSpan) {
    PlotRange range;
    EXPECT_TRUE(range.Empty());
    range.Include(240);
    // Empty or a single value: everything in the middle of the span.
    EXPECT_DOUBLE_EQ(PlotScale(range, 10, 30).ToPixel(7), 20);
    range.Include(-240);
    range.Include(12);
    EXPECT_EQ(std::pair(range.Low, range.High), std::pair(-240.0, 240.0));
    // A vertical axis: the high end at the top.
    const PlotScale y(range, 259, 11);
    EXPECT_DOUBLE_EQ(y.ToPixel(240), 11);
    EXPECT_DOUBLE_EQ(y.ToPixel(-120), 197);
    EXPECT_DOUBLE_EQ(PlotScale({0.5, 64.5}, 20, 427).ToPixel(32.5), 223.5);
}

}  // namespace
