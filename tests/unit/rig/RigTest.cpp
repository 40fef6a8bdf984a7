#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "rig/RigFollow.h"
#include "rig/RigProtocol.h"

namespace {

using Lines = std::vector<std::string>;

// An answer is taken once its lines are in whole, or early at an "RPRT" line, and leaves
// what follows; values read strictly or not at all; band edges belong to the band.
// clang-format off
TEST(RigProtocolTest, TakesWholeAnswersReadsValuesAndBands) {
    const std::tuple<const char*, int, std::optional<Lines>, std::optional<int>, std::size_t>
        answers[] = {{"USB\r\n2400\nrest", 2, Lines{"USB", "2400"}, {}, 10}, {"USB\n24", 2, {}, {}, 0},
            {"RPRT -11\nx\n", 2, Lines{}, -11, 9}, {"RPRT what\n", 1, Lines{}, -1, 10}};
    for (const auto& [buffer, lines, taken, error, consumed] : answers) {
        const std::optional<RigReply> reply = TakeRigReply(buffer, lines);
        ASSERT_EQ(reply.has_value(), taken.has_value()) << buffer;
        EXPECT_TRUE(!reply || std::tie(reply->lines, reply->error, reply->consumed) ==
                                  std::tie(*taken, error, consumed)) << buffer;
    }
    const std::pair<const char*, std::optional<double>> numbers[] = {{"14070000", 14070000.0},
        {" 0.328125\r", 0.328125}, {"", {}}, {"12abc", {}}, {"inf", {}}, {"nan", {}}, {"1 2", {}}};
    for (const auto& [text, value] : numbers) EXPECT_EQ(ParseRigNumber(text), value) << text;
    EXPECT_EQ(std::tuple(ParsePtt("1"), ParsePtt("on"), ParseRigMode(" PKTUSB "), ParseRigMode("usb"),
                         ParseRigMode("A,B"), ParseRigMode("ABCDEFGHIJKLM")),
              std::tuple(true, std::nullopt, "PKTUSB", "", "", ""));
    const std::pair<double, const char*> bands[] = {{1.8e6, "160m"}, {3.999e6, "80m"},
        {5.357e6, "60m"}, {7.074e6, "40m"}, {10.136e6, "30m"}, {14.35e6, "20m"}, {14.351e6, ""},
        {18.1e6, "17m"}, {21.07e6, "15m"}, {24.915e6, "12m"}, {28.0e6, "10m"},  {50.313e6, "6m"},
        {145.0e6, "2m"}, {432.1e6, "70cm"}, {11.0e6, ""}, {-14.07e6, ""}};
    for (const auto& [hz, band] : bands) EXPECT_EQ(BandOf(hz), band) << hz;
    EXPECT_EQ(std::tuple(BandModeKey(14.07e6, ""), RigFrequencyText(14070999.0, "USB")),
              std::tuple("", "14.070 USB"));
}
// clang-format on

// The thresholds of the notes, and the rig's power as a percentage where it has no watts.
TEST(RigFollowTest, NotesAndMetersFollowTheirThresholds) {
    RigFollow rig;
    rig.Answered({.ptt = true, .alcPercent = 0.0, .swr = 2.5, .powerPercent = 33.0});
    EXPECT_FALSE(rig.AlcActsOnSplatter(-18.0, -22));
    EXPECT_EQ(std::tuple(rig.StatusNote(2.5), rig.MetersText(false)),
              std::tuple("", "ALC 0%  SWR 2.5  PWR 33%"));
    rig.Answered({.ptt = true, .alcPercent = 3.0, .swr = 2.51});
    EXPECT_EQ(std::tuple(rig.AlcActsOnSplatter(-22.0, -22), rig.AlcActsOnSplatter(-21.9, -22),
                         rig.StatusNote(2.5)),
              std::tuple(false, true, "HIGH SWR"));
}

// A level is kept once the signal has met the target for kHoldCycles cycles in a row while
// sending, again once it has moved; a change to a known band and mode starts afresh.
TEST(RigFollowTest, KeepsALevelThatHeldAndAsksBackOnABandChange) {
    BandLevelKeeper keeper;
    EXPECT_FALSE(keeper.Follow(""));
    EXPECT_TRUE(keeper.Follow("20m-USB"));
    EXPECT_FALSE(keeper.Follow("20m-USB"));
    // clang-format off
    const std::tuple<bool, bool, int, std::optional<int>> cycles[] = {  // sending, met, level, kept
        {true, true, 50, {}}, {true, true, 50, {}}, {true, true, 50, {}}, {true, true, 50, {}},
        {true, false, 50, {}}, {true, true, 50, {}}, {false, true, 50, {}}, {true, true, 51, {}},
        {true, true, 51, {}}, {true, true, 51, {}}, {true, true, 51, {}}, {true, true, 52, 52},
        {true, true, 52, {}}, {true, true, 53, 53}};
    // clang-format on
    for (const auto& [sending, met, level, kept] : cycles)
        EXPECT_EQ(keeper.Cycle(sending, met, level), kept);
    EXPECT_TRUE(keeper.Follow("40m-USB"));
}

}  // namespace
