#include "fldigi/FldigiFollow.h"

#include <gtest/gtest.h>

namespace {

TEST(FldigiFollowTest, EachAnswerSetsModeNoteAndLevelSteps) {
    FldigiFollow follow;
    follow.Answered("bpsk63", " TUNE\n");  // fldigi's names, in any case, padded
    EXPECT_TRUE(follow.SelectsMode() && follow.WantsPsk63() && follow.LevelStepsAllowed());
    follow.Answered("QPSK31", "TX");  // not the envelope the meter measures
    EXPECT_FALSE(follow.SelectsMode() || follow.LevelStepsAllowed());
    EXPECT_EQ(follow.StatusNote(), "NOT PSK");
    follow.Answered("PSK31", "");  // a transmit state not understood holds the level control
    EXPECT_TRUE(follow.SelectsMode() && !follow.WantsPsk63() && !follow.LevelStepsAllowed());
    follow.Failed();
    EXPECT_FALSE(follow.SelectsMode() || follow.LevelStepsAllowed());
}

}  // namespace
