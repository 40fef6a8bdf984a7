// The emulator's sink-following transmitter through the program's own analysis: the level
// control can only find its way if too little drive reads as underdriving, a middle drive
// as clean and too much as splatter.

#include <gtest/gtest.h>

#include "measure/Analysis.h"
#include "meter-sim/SinkFollower.h"

namespace {

TEST(TransmitterShape, AnalysisReadsTheDrive) {
    BuildHarmonicTables();
    const std::pair<int, SignalState> drives[] = {{0, SignalState::NoSignal},
                                                  {20, SignalState::Underdriving},
                                                  {55, SignalState::SignalOk},
                                                  {120, SignalState::Overmodulated}};
    for (const auto& [volume, state] : drives)
        EXPECT_EQ(Analyze(TransmitterFrame(volume), {}).State, state) << volume;
}

TEST(SinkVolumeFromPactl, ReadsTheFirstChannelsPercentage) {
    EXPECT_EQ(SinkVolumeFromPactl("Volume: front-left: 32768 /  50% / -18.06 dB,   "
                                  "front-right: 19661 /  30% / -31.37 dB\n        balance 0.00\n"),
              50);
    EXPECT_EQ(SinkVolumeFromPactl("Volume: mono: 98304 / 150% / 10.57 dB\n"), 150);
    EXPECT_EQ(SinkVolumeFromPactl("Volume: mono: 0 /   0% / -inf dB\n"), 0);
    for (const char* output : {"", "Failure: No such entity\n", "a/b 3/4 / %"})
        EXPECT_EQ(SinkVolumeFromPactl(output), std::nullopt) << output;
}

}  // namespace
