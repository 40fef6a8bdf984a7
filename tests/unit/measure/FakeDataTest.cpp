#include "measure/FakeData.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "measure/Analysis.h"
#include "unit/measure/MeasureFrames.h"

namespace {

int Highest(const std::string& frame) {
    int highest = 0;
    for (int n = 1; n <= 64; ++n) highest = std::max(highest, At(frame, n));
    return highest;
}

TEST(FakeDataTest, MixerLevelClipsOrDividesTheArch) {
    FakeData fake(1);
    const std::string full = fake.Frame(50, 240.0, 0);
    EXPECT_EQ(At(full, 1), 11);  // 240 x sin(pi/64) = 11.76
    EXPECT_EQ(At(full, 64), 11);
    EXPECT_EQ(Highest(full), 220);
    EXPECT_EQ(Highest(fake.Frame(61, 240.0, 0)), 219);
    EXPECT_EQ(Highest(fake.Frame(100, 240.0, 0)), 180);

    const std::string clean = fake.Frame(50, 200.0, 0);
    EXPECT_EQ(Highest(clean), 199);  // below the clip the top stays
    EXPECT_EQ(fake.Frame(40, 200.0, 0), clean);
    for (const auto& [level, divisor] : {std::pair{25, 4}, {39, 2}, {20, 5}, {1, 100}}) {
        const std::string weak = fake.Frame(level, 200.0, 0);
        for (int n = 1; n <= 64; ++n) ASSERT_EQ(At(weak, n), At(clean, n) / divisor) << level;
    }
    EXPECT_EQ(Analyze(fake.Frame(0, 240.0, 0), AnalysisSettings{}).State, SignalState::NoSignal);
    EXPECT_EQ(fake.Frame(0, 240.0, 0), Filled(1));
}

TEST(FakeDataTest, NoiseSpansTheFloorAndStaysInRange) {
    FakeData fake(7);
    const std::string clean = fake.Frame(50, 100.0, 0);
    EXPECT_EQ(fake.Frame(50, 100.0, -3), clean);  // a negative floor adds none
    int lowest = 0, highest = 0, zeros = 0, saturated = 0;
    for (int i = 0; i < 20; ++i) {
        const std::string noisy = fake.Frame(50, 100.0, 10);
        const std::string quiet = fake.Frame(0, 240.0, 10);   // 1 - 10 .. 1 + 9
        const std::string loud = fake.Frame(50, 240.0, 100);  // 220 - 100 .. 220 + 99
        for (int n = 1; n <= 64; ++n) {
            lowest = std::min(lowest, At(noisy, n) - At(clean, n));
            highest = std::max(highest, At(noisy, n) - At(clean, n));
            ASSERT_LE(At(quiet, n), 10);
            zeros += At(quiet, n) == 0;
            saturated += At(loud, n) == 255;
        }
        EXPECT_GE(At(loud, 16), 120);  // clipped at 255, never wrapped
    }
    EXPECT_EQ(lowest, -10);
    EXPECT_EQ(highest, 9);
    EXPECT_GT(zeros, 0);
    EXPECT_GT(saturated, 0);
    EXPECT_TRUE(Analyze(fake.Frame(50, 240.0, 10), AnalysisSettings{}).TwoTone);
}
}  // namespace
