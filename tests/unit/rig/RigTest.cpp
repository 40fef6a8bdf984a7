#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "rig/RigFollow.h"
#include "rig/RigProtocol.h"

namespace {

// An answer is taken once its lines are in whole, or early at an "RPRT" line; what follows
// it stays for the next command.
TEST(RigProtocolTest, TakesWholeAnswersAndErrorReplies) {
    const struct {
        const char* buffer;
        int lines;
        std::optional<std::vector<std::string>> taken;  // nothing: still coming
        std::optional<int> error;
        std::size_t consumed;
    } cases[] = {
        {"USB\n2400\nrest", 2, std::vector<std::string>{"USB", "2400"}, {}, 9},
        {"USB\r\n24", 2, {}, {}, 0},
        {"RPRT -11\nx\n", 2, std::vector<std::string>{}, -11, 9},
        {"RPRT what\n", 1, std::vector<std::string>{}, -1, 10},
        {"1 RPRT 0\n", 1, std::vector<std::string>{"1 RPRT 0"}, {}, 9},
        {"", 1, {}, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.buffer);
        const std::optional<RigReply> reply = TakeRigReply(c.buffer, c.lines);
        ASSERT_EQ(reply.has_value(), c.taken.has_value());
        if (!reply) continue;
        EXPECT_EQ(reply->lines, *c.taken);
        EXPECT_EQ(reply->error, c.error);
        EXPECT_EQ(reply->consumed, c.consumed);
    }
}

TEST(RigProtocolTest, ReadsValuesOrNothing) {
    const std::pair<const char*, std::optional<double>> numbers[] = {{"14070000", 14070000.0},
                                                                     {" 0.328125\r", 0.328125},
                                                                     {"-1.5", -1.5},
                                                                     {"", {}},
                                                                     {"12abc", {}},
                                                                     {"inf", {}},
                                                                     {"nan", {}},
                                                                     {"1 2", {}}};
    for (const auto& [text, value] : numbers) EXPECT_EQ(ParseRigNumber(text), value) << text;
    EXPECT_EQ(ParsePtt("1"), true);
    EXPECT_EQ(ParsePtt("0"), false);
    EXPECT_EQ(ParsePtt("on"), std::nullopt);
    for (const auto& [text, mode] :
         std::vector<std::pair<const char*, const char*>>{{"PKTUSB", "PKTUSB"},
                                                          {" USB ", "USB"},
                                                          {"usb", ""},
                                                          {"A,B", ""},
                                                          {"", ""},
                                                          {"ABCDEFGHIJKLM", ""}})
        EXPECT_EQ(ParseRigMode(text), mode) << text;
    EXPECT_EQ(ParseLevelNames(" ALC  SWR\tRFPOWER_METER \r"),
              (std::vector<std::string>{"ALC", "SWR", "RFPOWER_METER"}));
}

// Band edges belong to the band; between bands there is none, and no key without a mode.
TEST(RigProtocolTest, DerivesTheBandAndTheKeptLevelsKey) {
    const std::pair<double, const char*> bands[] = {
        {1.8e6, "160m"},   {3.999e6, "80m"}, {7.074e6, "40m"}, {10.136e6, "30m"},
        {14.35e6, "20m"},  {14.351e6, ""},   {18.1e6, "17m"},  {21.07e6, "15m"},
        {24.915e6, "12m"}, {28.12e6, "10m"}, {50.313e6, "6m"}, {145.0e6, "2m"},
        {432.1e6, "70cm"}, {11.0e6, ""},     {-14.07e6, ""},   {5.357e6, "60m"}};
    for (const auto& [hz, band] : bands) EXPECT_EQ(BandOf(hz), band) << hz;
    EXPECT_EQ(BandModeKey(14.07e6, "PKTUSB"), "20m-PKTUSB");
    EXPECT_EQ(BandModeKey(14.07e6, ""), "");
    EXPECT_EQ(BandModeKey(11.0e6, "USB"), "");
    EXPECT_EQ(RigFrequencyText(14070999.0, "USB"), "14.070 USB");
    EXPECT_EQ(RigFrequencyText(7e6, ""), "7.000");
}

// The level control steps only while the rig transmits; the note, the meters and the ALC
// marker follow each answer, and a failed poll takes everything back.
TEST(RigFollowTest, EachAnswerSetsStepsNoteAndMeters) {
    RigFollow rig;
    EXPECT_FALSE(rig.LevelStepsAllowed());
    EXPECT_EQ(rig.StatusNote(2.5), "");
    RigReading sending{.ptt = true,
                       .frequencyHz = 14.07e6,
                       .mode = "PKTUSB",
                       .alcPercent = 40.4,
                       .swr = 2.6,
                       .watts = 24.6};
    rig.Answered(sending);
    EXPECT_TRUE(rig.LevelStepsAllowed());
    EXPECT_EQ(rig.StatusNote(2.5), "HIGH SWR");
    EXPECT_EQ(rig.StatusNote(2.6), "");
    EXPECT_TRUE(rig.AlcActsOnSplatter(-18.0, -22));
    EXPECT_FALSE(rig.AlcActsOnSplatter(-25.0, -22));
    EXPECT_EQ(rig.MetersText(true), "RIG ALC  ALC 40%  SWR 2.6  25 W");
    EXPECT_EQ(rig.ModeField(), "14.070 PKTUSB");
    EXPECT_EQ(rig.BandModeKey(), "20m-PKTUSB");
    sending.watts.reset();
    sending.alcPercent = 0.0;
    sending.powerPercent = 33.0;
    rig.Answered(sending);
    EXPECT_FALSE(rig.AlcActsOnSplatter(-18.0, -22));
    EXPECT_EQ(rig.MetersText(false), "ALC 0%  SWR 2.6  PWR 33%");
    rig.Answered({.ptt = false, .frequencyHz = 7.07e6, .swr = 9.0});
    EXPECT_FALSE(rig.LevelStepsAllowed());
    EXPECT_EQ(rig.StatusNote(2.5), "");  // an SWR is only read while sending
    EXPECT_EQ(rig.MetersText(true), "");
    EXPECT_EQ(rig.BandModeKey(), "");
    rig.Failed();
    EXPECT_EQ(rig.StatusNote(2.5), "RIG?");
    EXPECT_EQ(rig.ModeField(), "");
}

// A level is kept once the signal has met the target for kHoldCycles cycles in a row while
// sending, again when it has moved since; a change to a known band and mode asks for the
// kept one, and starts counting afresh.
TEST(RigFollowTest, KeepsALevelThatHeldAndAsksBackOnABandChange) {
    BandLevelKeeper keeper;
    EXPECT_FALSE(keeper.Follow(""));
    EXPECT_EQ(keeper.Cycle(true, true, 50), std::nullopt);  // no band: nothing to keep under
    EXPECT_TRUE(keeper.Follow("20m-USB"));
    EXPECT_FALSE(keeper.Follow("20m-USB"));
    const struct {
        bool sending, met;
        int level;
        std::optional<int> kept;
    } cycles[] = {{true, true, 50, {}}, {true, true, 50, {}},  {true, true, 50, {}},
                  {true, true, 50, {}}, {true, false, 50, {}},  // the run starts again
                  {true, true, 50, {}}, {true, true, 50, {}},  {false, true, 50, {}},
                  {true, true, 51, {}}, {true, true, 51, {}},  {true, true, 51, {}},
                  {true, true, 51, {}}, {true, true, 52, 52},  {true, true, 52, {}},
                  {true, true, 53, 53}};
    for (const auto& c : cycles) EXPECT_EQ(keeper.Cycle(c.sending, c.met, c.level), c.kept);
    EXPECT_TRUE(keeper.Follow("40m-USB"));
    keeper.Kept(53);
    for (int i = 0; i < BandLevelKeeper::kHoldCycles; ++i)
        EXPECT_EQ(keeper.Cycle(true, true, 53), std::nullopt) << "kept already";
    EXPECT_EQ(keeper.Key(), "40m-USB");
}

}  // namespace
