#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "measure/FixedFormat.h"
#include "measure/HistoryCsv.h"
#include "measure/HistoryDecimation.h"
#include "unit/measure/MeasureFrames.h"

namespace {

HistoryRecord At(std::int64_t millis, float imd = -30.0f) {
    HistoryRecord r;
    r.UtcSeconds = std::uint32_t(millis / 1000);
    r.Millis = std::uint16_t(millis % 1000);
    r.ImdDb = imd;
    return r;
}

// A full ring keeps the newest records in time order; a clock set back cannot reorder them.
TEST(HistoryStoreTest, AFullRingKeepsTheNewestInTimeOrder) {
    HistoryStore store(3);
    for (int t : {1000, 2000, 3000, 4000, 5000, 4500}) store.Append(At(t, float(t)));
    ASSERT_EQ(store.Size(), 3u);
    EXPECT_EQ(store.At(0).UtcMillis(), 4000);
    EXPECT_EQ(store.Newest().UtcMillis(), 5000);
    EXPECT_EQ(store.Newest().ImdDb, 4500.0f);
    EXPECT_EQ(store.FirstAtOrAfter(4001), 1u);
    EXPECT_EQ(store.FirstAtOrAfter(9000), 3u);
}

// A cycle that stopped early leaves its figures empty, a rated one has them all (the watts
// with the QRP jumper's scale); times in UTC, across a leap day too.
TEST(HistoryCsvTest, ALineCarriesTheCyclesFigures) {
    const Measurement noise = Analyze(Filled(5), AnalysisSettings{});
    EXPECT_EQ(HistoryCsvLine(MakeHistoryRecord(noise, 1709251199999, false, 7)),
              "2024-02-29T23:59:59.999Z,NOISE,,,,,7");
    const Measurement clean = Analyze(ArchFrame(200), AnalysisSettings{});
    const std::string line = HistoryCsvLine(MakeHistoryRecord(clean, 1796657522250, true, 42));
    const std::string watts = FormatFixed(PowerFromPeakVolts(clean.PeakVolts, true), 0, 2, '.');
    EXPECT_EQ(line, "2026-12-07T15:32:02.250Z,SIGNAL OK,3.922," + watts + ",-70.23,0.027,42");
}

// The saved file and the running log both start with the header once; the log adds to a
// file of an earlier session and cannot be made where no file can be.
TEST(HistoryCsvTest, SaveAndLogWriteOneLinePerRecord) {
    const auto dir = std::filesystem::temp_directory_path() / "history-csv-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    HistoryStore store;
    for (int t : {1000, 2000}) store.Append(At(t));
    for (int session = 0; session < 2; ++session) {
        HistoryCsvLog log;
        ASSERT_TRUE(log.Open((dir / "log.csv").string()));
        log.Append(store.At(session));
    }
    ASSERT_TRUE(SaveHistoryCsv(store, (dir / "saved.csv").string()));
    const auto text = [](const std::filesystem::path& path) {
        std::ostringstream all;
        all << std::ifstream(path).rdbuf();
        return all.str();
    };
    EXPECT_EQ(text(dir / "saved.csv"), std::string(kHistoryCsvHeader) + "\n" +
                                           HistoryCsvLine(store.At(0)) + "\n" +
                                           HistoryCsvLine(store.At(1)) + "\n");
    EXPECT_EQ(text(dir / "log.csv"), text(dir / "saved.csv"));
    EXPECT_FALSE(HistoryCsvLog().Open((dir / "missing" / "log.csv").string()));
    EXPECT_FALSE(SaveHistoryCsv(store, (dir / "missing" / "saved.csv").string()));
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
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(spans[c].Column, c);
        EXPECT_EQ(spans[c].Low, -70.0f);
        EXPECT_EQ(spans[c].High, -15.0f);
    }
    const auto lastOnly = DecimateToColumns(store, &HistoryRecord::ImdDb, 59900, 60000, 4);
    ASSERT_EQ(lastOnly.size(), 1u);
    EXPECT_EQ(lastOnly[0].Column, 3);
    EXPECT_TRUE(DecimateToColumns(store, &HistoryRecord::ImdDb, 0, 60000, 0).empty());
}

}  // namespace
