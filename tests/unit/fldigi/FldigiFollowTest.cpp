#include "fldigi/FldigiFollow.h"

#include <gtest/gtest.h>

namespace {

// Polls in order, so that a state outliving its poll shows; nullptr: the poll failed.
TEST(FldigiFollowTest, EachAnswerSetsModeNoteAndLevelSteps) {
    const struct {
        const char* modem;
        const char* trx;
        bool selects, psk63;
        const char* note;
        bool steps;
    } polls[] = {{"bpsk63", " TUNE\n", true, true, "", true},
                 {"PSK31", "RX", true, false, "", false},
                 {"QPSK31", "TX", false, false, "NOT PSK", false},
                 {nullptr, "", false, false, "FLDIGI?", false},
                 {"BPSK31", "", true, false, "", false}};
    FldigiFollow follow;
    EXPECT_EQ(follow.StatusNote(), "");  // nothing to say before the first answer
    for (const auto& poll : polls) {
        SCOPED_TRACE(poll.modem ? poll.modem : "failed");
        poll.modem ? follow.Answered(poll.modem, poll.trx) : follow.Failed();
        EXPECT_EQ(follow.SelectsMode(), poll.selects);
        EXPECT_EQ(follow.WantsPsk63(), poll.psk63);
        EXPECT_EQ(follow.StatusNote(), poll.note);
        EXPECT_EQ(follow.LevelStepsAllowed(), poll.steps);
    }
}

}  // namespace
