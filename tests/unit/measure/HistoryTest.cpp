// The history: its store, CSV lines and files, and the chart's columns and scales.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "measure/HistoryCsv.h"
#include "measure/HistoryDecimation.h"
#include "measure/PlotScale.h"
#include "unit/measure/MeasureFrames.h"

namespace {

HistoryRecord At(std::int64_t millis, float imd = -30.0f) {
    return {.UtcSeconds = std::uint32_t(millis / 1000),
            .Millis = std::uint16_t(millis % 1000),
            .ImdDb = imd};
}

// A full ring keeps the newest records in time order; a clock set back cannot reorder them.
TEST(HistoryStoreTest, AFullRingKeepsTheNewestInTimeOrder) {
    HistoryStore store(3);
    for (int t : {1000, 2000, 3000, 4000, 5000, 4500}) store.Append(At(t, float(t)));
    ASSERT_EQ(store.Size(), 3u);
    EXPECT_EQ(std::tuple(store.At(0).UtcMillis(), store.Newest().UtcMillis(), store.Newest().ImdDb),
              std::tuple(4000, 5000, 4500.0f));
    EXPECT_EQ(std::tuple(store.FirstAtOrAfter(4001), store.FirstAtOrAfter(9000)), std::tuple(1, 3));
}

// A cycle that stopped early leaves its figures empty, a rated one has them all (the watts
// with the QRP jumper's scale); times in UTC, across a leap day too.
TEST(HistoryCsvTest, ALineCarriesTheCyclesFigures) {
    const Measurement noise = Analyze(Filled(5), AnalysisSettings{});
    EXPECT_EQ(HistoryCsvLine(MakeHistoryRecord(noise, 1709251199999, false, 7)),
              "2024-02-29T23:59:59.999Z,NOISE,,,,,7,,,,,");
    const Measurement clean = Analyze(ArchFrame(200), AnalysisSettings{});
    // The rig's figures while following it; a mode that would break the line is left out.
    const RigColumns rig{144390000.0, "PKTUSB", 40.0, 1.53, 25.0};
    EXPECT_EQ(HistoryCsvLine(MakeHistoryRecord(clean, 1796657522250, true, 42), rig),
              "2026-12-07T15:32:02.250Z,SIGNAL OK,3.922,24.02,-70.23,0.027,42,"
              "144.390000,PKTUSB,40,1.53,25.0");
    // A sweep's step is marked as one, at the level the sweep set, with no RMS error.
    const SweepStep step{.level = 61,
                         .peakVolts = 3.9,
                         .watts = 24.02,
                         .imdDb = -27.5,
                         .state = SignalState::Overmodulated};
    EXPECT_EQ(SweepCsvLine(1796657522250, step, {.frequencyHz = 7.07e6, .mode = "U,SB"}),
              "2026-12-07T15:32:02.250Z,SWEEP SPLATTER!,3.900,24.02,-27.50,,61,7.070000,,,,");
}

// The running log writes the header once: a later session adds to the earlier file. It
// cannot be made where no file can be.
TEST(HistoryCsvTest, TheLogAddsToTheFileOfAnEarlierSession) {
    const auto dir = std::filesystem::temp_directory_path() / "history-csv-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    for (const int t : {1000, 2000}) {
        HistoryCsvLog log;
        ASSERT_TRUE(log.Open((dir / "log.csv").string()));
        log.Append(At(t));
    }
    std::ostringstream text;
    text << std::ifstream(dir / "log.csv").rdbuf();
    EXPECT_EQ(text.str(), std::string(kHistoryCsvHeader) + "\n" + HistoryCsvLine(At(1000)) + "\n" +
                              HistoryCsvLine(At(2000)) + "\n");
    EXPECT_FALSE(HistoryCsvLog().Open((dir / "missing" / "log.csv").string()));
    std::filesystem::remove_all(dir);
}

// Alternating clean and splatter cycles keep both extremes in every column; records outside
// the span and figures never reached are left out, the span's end is in the last column.
TEST(HistoryDecimationTest, EachColumnKeepsItsLowestAndHighest) {
    HistoryStore store;
    for (int t = 0; t <= 60000; t += 250) store.Append(At(t, t % 500 ? -15.0f : -70.0f));
    store.Append(At(60000, kNoFigure));
    const auto spans = DecimateToColumns(store, &HistoryRecord::ImdDb, 10000, 60000, 10);
    ASSERT_EQ(spans.size(), 10u);
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(std::tuple(spans[c].Column, spans[c].Low, spans[c].High),
                  std::tuple(c, -70.0f, -15.0f));
    const auto lastOnly = DecimateToColumns(store, &HistoryRecord::ImdDb, 59900, 60000, 4);
    ASSERT_EQ(lastOnly.size(), 1u);
    EXPECT_EQ(lastOnly[0].Column, 3);
    EXPECT_TRUE(DecimateToColumns(store, &HistoryRecord::ImdDb, 0, 60000, 0).empty());
}

TEST(PlotScaleTest, TicksAreRoundStepsInsideTheRangeAndNoMoreThanAsked) {
    // The range, the most ticks asked for, the step, the ticks and their decimals.
    const std::tuple<PlotRange, int, double, std::vector<double>, int> rows[] = {
        {{0.5, 64.5}, 8, 10, {10, 20, 30, 40, 50, 60}, 0},  // 64 slots one wide
        {{-37.2, -12.5}, 6, 5, {-35, -30, -25, -20, -15}, 0},
        {{-0.4, 1.0}, 5, 0.5, {0, 0.5, 1}, 1},
        {{0, 0.001}, 3, 0.0005, {0, 0.0005, 0.001}, 4},
        {{}, 5, 0, {}, 0},
        {{3, 3}, 5, 0, {}, 0}};  // empty or one value: no marks
    for (const auto& [range, maxTicks, step, values, decimals] : rows) {
        SCOPED_TRACE(testing::Message() << range.Low << ".." << range.High);
        const PlotTicks ticks = NiceTicks(range, maxTicks);
        EXPECT_DOUBLE_EQ(ticks.Step, step);
        ASSERT_EQ(ticks.Values.size(), values.size());
        for (std::size_t i = 0; i < values.size(); ++i)
            EXPECT_DOUBLE_EQ(ticks.Values[i], values[i]);
        EXPECT_EQ(ticks.Decimals(), decimals);
    }
}

// A vertical axis: the high end at the top; an empty range or a single value puts
// everything in the middle of the span.
TEST(PlotScaleTest, RangeGrowsToItsValuesAndMapsOntoThePixelSpan) {
    PlotRange range;
    EXPECT_TRUE(range.Empty());
    range.Include(12);
    EXPECT_DOUBLE_EQ(PlotScale(range, 10, 30).ToPixel(7), 20);
    range.Include(-240);  // it grows downwards, then upwards
    range.Include(240);
    const PlotScale y(range, 259, 11);
    EXPECT_EQ(std::tuple(y.ToPixel(240), y.ToPixel(0), y.ToPixel(-240)), std::tuple(11, 135, 259));
}

}  // namespace
