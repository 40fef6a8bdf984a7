// The emulator's sink-following transmitter through the program's own analysis: the level
// control can only find its way if too little drive reads as underdriving, a middle drive
// as clean and too much as splatter, with the splatter from just above the knee.

#include <gtest/gtest.h>

#include "measure/Analysis.h"
#include "meter-sim/SinkFollower.h"
#include "support/TransmitterModel.h"

namespace {

TEST(TransmitterShape, AnalysisReadsTheDrive) {
    BuildHarmonicTables();
    const struct {
        int volume, knee;
        SignalState state;
    } drives[] = {
        {0, 75, SignalState::NoSignal},  {20, 75, SignalState::Underdriving},
        {55, 75, SignalState::SignalOk}, {80, 75, SignalState::Overmodulated},
        {80, 80, SignalState::SignalOk}, {84, 80, SignalState::Overmodulated},
    };
    for (const auto& [volume, knee, state] : drives)
        EXPECT_EQ(Analyze(TransmitterFrame(volume, knee), {}).State, state)
            << volume << ' ' << knee;
}

// The tests' reading of the model: the highest clean level sits at or just above the knee,
// lower for a stricter target, with the peak at the ceiling there.
TEST(TransmitterShape, HighestCleanLevelSitsJustAboveTheKnee) {
    for (const int knee : {40, 80}) {
        const int highest = HighestCleanLevel(knee, -22);
        EXPECT_GE(highest, knee);
        EXPECT_LE(highest, knee + 3);
        EXPECT_LT(HighestCleanLevel(knee, -26), highest) << knee;
        EXPECT_DOUBLE_EQ(ModelPeakVolts(highest, knee), CountsToVolts(195));
        EXPECT_LT(ModelPeakVolts(knee * 3 / 4, knee), CountsToVolts(195));
    }
}

}  // namespace
