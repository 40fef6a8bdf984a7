#include "measure/Analysis.h"

#include <gtest/gtest.h>

#include "unit/measure/MeasureFrames.h"

namespace {

SignalState StateOf(const std::string& frame, const AnalysisSettings& s = {}) {
    return Analyze(frame, s).State;
}

TEST(AnalysisTest, LengthSilenceNoiseFloorAndPowerLimit) {
    for (const std::size_t size : {0u, 63u, 65u})
        EXPECT_EQ(StateOf(Filled(80, size)), SignalState::NotResponding);
    AnalysisSettings settings{.NoiseFloor = 0};
    std::string silent = Filled(0);
    silent[5] = silent[40] = 1;
    EXPECT_EQ(StateOf(silent, settings), SignalState::NoSignal);
    silent[40] = 2;
    EXPECT_NE(StateOf(silent, settings), SignalState::NoSignal);
    settings.NoiseFloor = 10;
    EXPECT_EQ(StateOf(Filled(10), settings), SignalState::Data);  // Rms equal to the floor
    std::string below = Filled(10);
    below[7] = 9;
    EXPECT_EQ(StateOf(below, settings), SignalState::Noise);

    // The power limit is exceeded only strictly: a peak of 2.0 V.
    settings = {.PowerLimitEnabled = true, .MaxVolts = 2.0};
    EXPECT_EQ(StateOf(ArchFrame(102), settings), SignalState::SignalOk);
    settings.MaxVolts = 1.99;
    EXPECT_EQ(StateOf(ArchFrame(102), settings), SignalState::OverPower);
}

TEST(AnalysisTest, FrameStartsAtFirstOfEqualSmallestSamples) {
    std::string frame = Filled(200);
    frame[4] = frame[19] = 3;  // samples 5 and 20
    frame[5] = static_cast<char>(150);
    const Measurement m = Analyze(frame, {});
    EXPECT_EQ(std::tuple(m.Samples[0], m.Samples[1], m.Samples[63]), std::tuple(3, 150, 200));
}

TEST(AnalysisTest, TwoToneNeedsNullsStrictlyBelowNinetyPercent) {
    std::string plateau = Filled(50);  // flat arches of 100, nulls at samples 1 and 33
    plateau[0] = 0;
    plateau[15] = plateau[47] = 100;
    plateau[31] = plateau[32] = 90;
    EXPECT_EQ(StateOf(plateau), SignalState::Data);
    plateau[31] = 89;
    EXPECT_NE(StateOf(plateau), SignalState::Data);

    // A steep edge at sample 32 makes the alignment move every sample one place later, which
    // brings sample 64 to the front.
    std::string edge = ArchFrame(100).substr(2, 30);
    edge.insert(0, 1, '\0');
    edge += std::string(1, 100) + '\0' + ArchFrame(100).substr(33, 30) + '\x5a';
    EXPECT_EQ(StateOf(edge), SignalState::Data);
    edge[63] = 89;
    const Measurement aligned = Analyze(edge, {});
    EXPECT_TRUE(aligned.TwoTone);
    EXPECT_EQ(aligned.Samples[0], 89);
}

TEST(AnalysisTest, AlignFrameKeepsOnlyAStrictlyBetterFit) {
    // With a peak of 0 samples 1, 32, 33 and 64 set the misfits: kept b1^2 + b32^2, earlier
    // (sample 2 first) b32^2 + b33^2, later (sample 64 first) b64^2 + b1^2. The 42 at
    // sample 6 shows where the frame went: 5 kept, 4 earlier, 6 later.
    const std::pair<SampleFrame, int> cases[] = {{{0, 0, 1, 1}, 5}, {{3, 0, 0, 3}, 4},
                                                 {{3, 3, 0, 0}, 6}, {{0, 3, 0, 3}, 6},
                                                 {{0, 3, 0, 4}, 4}, {{3, 0, 4, 0}, 6}};
    for (auto [frame, at] : cases) {  // b1, b32, b33, b64 come first: put them in place
        std::swap(frame[1], frame[31]);
        std::swap(frame[2], frame[32]);
        std::swap(frame[3], frame[63]);
        frame[5] = 42;
        EXPECT_EQ(AlignFrame(frame, 0.0)[at], 42)
            << +frame[0] << ' ' << +frame[31] << ' ' << +frame[32] << ' ' << +frame[63];
    }
}

TEST(AnalysisTest, QualityThresholdsAreInclusive) {
    // ErrRms, ImdDb and ErrMean against a target of -22 dB.
    const std::tuple<double, double, double, SignalState> cases[] = {
        {0.015, -22.0, 5.0, SignalState::SignalOk},
        {0.0151, -30.0, 0.5, SignalState::Overmodulated},
        {0.001, -21.9, -0.5, SignalState::Underdriving},
        {0.02, -30.0, 0.1, SignalState::Undecided},
        {0.02, -30.0, -0.1, SignalState::Undecided},
        {0.02, -30.0, 0.1001, SignalState::Overmodulated}};
    for (const auto& [errRms, imdDb, errMean, expected] : cases) {
        Measurement m{.ImdDb = imdDb, .ErrRms = errRms, .ErrMean = errMean};
        ClassifyQuality(m, -22);
        EXPECT_EQ(m.State, expected) << errRms << ' ' << imdDb << ' ' << errMean;
    }
}

TEST(AnalysisTest, DeviationFiguresAndHarmonicRatio) {
    Measurement m{.Peak = 100.0, .DevSquares = 46.5 * 46.5, .DevSum = -3.2};
    MeasureDeviation(m);
    EXPECT_DOUBLE_EQ(m.ErrRms, 0.015);
    EXPECT_DOUBLE_EQ(m.ErrMean, -0.1);
    EXPECT_EQ(m.ImdDb, 0.0);  // no harmonic energy at all
    m.HarmSin[1] = 6.0;
    m.HarmCos[1] = 8.0;
    MeasureDeviation(m);
    EXPECT_EQ(m.ImdDb, 0.0);  // only the fundamental
    m.HarmCos[3] = 1.0;       // 1 part in 101
    MeasureDeviation(m);
    EXPECT_NEAR(m.ImdDb, -20.043, 0.001);

    Measurement flat{.TwoTone = true};  // over a zero ideal arch the sums are the samples' own
    flat.Samples.fill(5);
    SamplePass(flat);
    EXPECT_EQ(std::pair(flat.DevSum, flat.DevSquares), std::pair(32 * 5.0, 32 * 25.0));
}

}  // namespace
