#include "measure/FakeData.h"

#include <gtest/gtest.h>

#include "unit/measure/MeasureFrames.h"

namespace {

// The mixer level clips or divides the arch (sample 16 is its top); noise of up to the floor
// either way is clipped at 0 and 255, never wrapped, and a negative floor adds none.
TEST(FakeDataTest, MixerLevelClipsOrDividesTheArchAndNoiseIsClipped) {
    FakeData fake(1);
    const std::string full = fake.Frame(50, 240.0, 0);
    EXPECT_EQ(std::tuple(At(full, 1), At(full, 16), At(full, 64)), std::tuple(11, 220, 11));
    EXPECT_EQ(At(fake.Frame(61, 240.0, 0), 16), 219);
    const std::string clean = fake.Frame(40, 200.0, 0);
    EXPECT_EQ(At(clean, 16), 199);  // below the clip the top stays
    for (const auto& [level, divisor] : {std::pair{25, 4}, {39, 2}, {1, 100}}) {
        const std::string weak = fake.Frame(level, 200.0, 0);
        for (int n = 1; n <= 64; ++n) ASSERT_EQ(At(weak, n), At(clean, n) / divisor) << level;
    }
    EXPECT_EQ(fake.Frame(0, 240.0, 0), Filled(1));

    EXPECT_EQ(fake.Frame(50, 100.0, -3), fake.Frame(50, 100.0, 0));
    EXPECT_NE(fake.Frame(50, 100.0, 10), fake.Frame(50, 100.0, 0));
    for (int i = 0; i < 20; ++i) {
        EXPECT_LE(At(fake.Frame(0, 240.0, 10), 16), 10);     // 1 - 10 .. 1 + 9
        EXPECT_GE(At(fake.Frame(50, 240.0, 100), 16), 120);  // 220 - 100 .. 220 + 99
    }
}

}  // namespace
