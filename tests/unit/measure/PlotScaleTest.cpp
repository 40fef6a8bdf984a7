#include "measure/PlotScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

TEST(PlotScaleTest, TicksAreRoundStepsInsideTheRangeAndNoMoreThanAsked) {
    struct Row {
        PlotRange range;
        int maxTicks;
        double step;
        std::vector<double> values;
        int decimals;
    };
    const Row rows[] = {
        // 64 samples in slots one wide.
        {{0.5, 64.5}, 8, 10, {10, 20, 30, 40, 50, 60}, 0},
        {{-37.2, -12.5}, 6, 5, {-35, -30, -25, -20, -15}, 0},
        // Across zero: a 0, never a -0.
        {{-0.4, 1.0}, 5, 0.5, {0, 0.5, 1}, 1},
        {{0, 0.001}, 3, 0.0005, {0, 0.0005, 0.001}, 4},
        {{0, 200}, 3, 100, {0, 100, 200}, 0},
        // Empty or a single value: nothing to mark.
        {{}, 5, 0, {}, 0},
        {{3, 3}, 5, 0, {}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.range.Low << ".." << row.range.High);
        const PlotTicks ticks = NiceTicks(row.range, row.maxTicks);
        EXPECT_DOUBLE_EQ(ticks.Step, row.step);
        ASSERT_EQ(ticks.Values.size(), row.values.size());
        for (size_t i = 0; i < row.values.size(); ++i) {
            EXPECT_DOUBLE_EQ(ticks.Values[i], row.values[i]);
            EXPECT_FALSE(std::signbit(ticks.Values[i]) && ticks.Values[i] == 0.0);
        }
        EXPECT_EQ(ticks.Decimals(), row.decimals);
    }
}

TEST(PlotScaleTest, RangeGrowsToItsValuesAndMapsOntoThePixelSpan) {
    PlotRange range;
    EXPECT_TRUE(range.Empty());
    // Empty or a single value: everything in the middle of the span.
    EXPECT_DOUBLE_EQ(PlotScale(range, 10, 30).ToPixel(7), 20);
    range.Include(240);
    EXPECT_DOUBLE_EQ(PlotScale(range, 10, 30).ToPixel(7), 20);
    range.Include(-240);
    range.Include(12);
    EXPECT_FALSE(range.Empty());
    EXPECT_EQ(range.Low, -240);
    EXPECT_EQ(range.High, 240);

    // A vertical axis: the high end at the top.
    const PlotScale y(range, 259, 11);
    EXPECT_DOUBLE_EQ(y.ToPixel(240), 11);
    EXPECT_DOUBLE_EQ(y.ToPixel(0), 135);
    EXPECT_DOUBLE_EQ(y.ToPixel(-120), 197);
    // A horizontal one, from the left.
    EXPECT_DOUBLE_EQ(PlotScale({0.5, 64.5}, 20, 427).ToPixel(32.5), 223.5);
}

}  // namespace
