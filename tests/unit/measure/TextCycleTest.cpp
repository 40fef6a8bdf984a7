#include "measure/TextCycle.h"

#include <gtest/gtest.h>

#include "fakes/RecordingLogger.h"
#include "unit/measure/MeasureFrames.h"

namespace {

using Lines = std::vector<std::string>;

TEST(TextCycleTest, RowsOfFourAndFiguresAreShownAndLogged) {
    RecordingLogger log;
    Lines zero{"Received bytes: 64"};
    zero.insert(zero.end(), 16, "  0   0   0   0");
    zero.insert(zero.end(), {"Minimum value: 0(   0.000 V)", "Maximum value: 0(   0.000 V)",
                             "RMS Value:        0.000 (   0.000 V)"});
    const TextCycleResult result = RunTextCycle(Filled(0), '.', log);
    EXPECT_EQ(result.MemoLines, zero);
    EXPECT_TRUE(result.ShowTextModeStatus);
    EXPECT_EQ(log.lines, zero);

    // An incomplete group counts in the figures only.
    const std::string reply{'\xff', '\x80', '\0', '\x0a', '\x01', '\x02'};
    EXPECT_EQ(RunTextCycle(reply, ',', log).MemoLines,
              (Lines{"Received bytes: 6", "255 128   0  10", "Minimum value: 0(   0,000 V)",
                     "Maximum value: 255(   5,000 V)", "RMS Value:      116,558 (   2,285 V)"}));
    EXPECT_EQ(RunTextCycle(Filled(128, 5), '.', log).MemoLines[2],
              "Minimum value: 128(   2.510 V)");

    log.lines.clear();
    const TextCycleResult empty = RunTextCycle("", '.', log);
    EXPECT_EQ(empty.MemoLines, Lines{"No data received."});
    EXPECT_FALSE(empty.ShowTextModeStatus);  // the status word stays as it was
    EXPECT_TRUE(log.lines.empty());
}

}  // namespace
