// The emulator's sink-following transmitter through the program's own analysis: the level
// control can only find its way if too little drive reads as underdriving, a middle drive
// as clean and too much as splatter, with the arch growing in between.

#include <gtest/gtest.h>

#include "measure/Analysis.h"
#include "meter-sim/SinkFollower.h"

namespace {

struct DriveCase {
    int volume;
    SignalState state;
};

class TransmitterShape : public ::testing::TestWithParam<DriveCase> {
protected:
    static void SetUpTestSuite() { BuildHarmonicTables(); }
};

TEST_P(TransmitterShape, AnalysisReadsTheDrive) {
    EXPECT_EQ(Analyze(TransmitterFrame(GetParam().volume), AnalysisSettings{}).State,
              GetParam().state)
        << GetParam().volume << " %";
}

INSTANTIATE_TEST_SUITE_P(Drives, TransmitterShape,
                         ::testing::Values(DriveCase{0, SignalState::NoSignal},
                                           DriveCase{10, SignalState::Underdriving},
                                           DriveCase{34, SignalState::Underdriving},
                                           DriveCase{35, SignalState::SignalOk},
                                           DriveCase{55, SignalState::SignalOk},
                                           DriveCase{75, SignalState::SignalOk},
                                           DriveCase{76, SignalState::Overmodulated},
                                           DriveCase{100, SignalState::Overmodulated},
                                           DriveCase{150, SignalState::Overmodulated}),
                         [](const auto& test) { return std::to_string(test.param.volume); });

TEST_F(TransmitterShape, ArchRisesWithTheDriveUntilTheCeiling) {
    double previous = 0.0;
    for (int volume = 10; volume <= 60; volume += 5) {
        const Measurement m = Analyze(TransmitterFrame(volume), AnalysisSettings{});
        EXPECT_GT(m.PeakVolts, previous) << volume << " %";
        previous = m.PeakVolts;
    }
    EXPECT_EQ(Analyze(TransmitterFrame(90), AnalysisSettings{}).PeakVolts,
              Analyze(TransmitterFrame(120), AnalysisSettings{}).PeakVolts);
}

TEST(SinkVolumeFromPactl, ReadsTheFirstChannelsPercentage) {
    EXPECT_EQ(SinkVolumeFromPactl("Volume: front-left: 32768 /  50% / -18.06 dB,   "
                                  "front-right: 19661 /  30% / -31.37 dB\n        balance 0.00\n"),
              50);
    EXPECT_EQ(SinkVolumeFromPactl("Volume: mono: 98304 / 150% / 10.57 dB\n"), 150);
    EXPECT_EQ(SinkVolumeFromPactl("Volume: mono: 0 /   0% / -inf dB\n"), 0);
    EXPECT_EQ(SinkVolumeFromPactl(""), std::nullopt);
    EXPECT_EQ(SinkVolumeFromPactl("Failure: No such entity\n"), std::nullopt);
    EXPECT_EQ(SinkVolumeFromPactl("a/b 3/4 / %"), std::nullopt);
}

}  // namespace
