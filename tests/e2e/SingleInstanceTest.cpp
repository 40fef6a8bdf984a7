// One instance per user, with the built program: a later start brings the running one
// forward and ends without touching its port, log or settings; a start after it ended or
// died runs; of many simultaneous starts exactly one runs.

#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "e2e/DesktopProgram.h"

namespace {

const std::string Caption = "PSK31 RF Monitoring on COM1";

// Running its cycles: start-up is over and the message loop takes requests.
bool Cycling(ProgramSandbox& sandbox, int cycles = 1) {
    return WaitUntil([&] { return sandbox.Meter().CommandCount('s') >= cycles; });
}

std::vector<unsigned long> CaptionWindows(pid_t pid, bool onlyVisible) {
    std::vector<std::string> args{"--pid", std::to_string(pid), "--name", "^" + Caption + "$"};
    if (onlyVisible) args.insert(args.begin(), "--onlyvisible");
    return SearchWindows(args);
}

// Index in the stacking order, 0 = topmost.
long StackIndex(unsigned long window) {
    const std::vector<unsigned long> order = StackingOrder();
    return std::find(order.begin(), order.end(), window) - order.begin();
}

// The parameter is the window state quorvane.ini stores: "1" minimized, "0" normal.
class BringForwardTest : public ::testing::TestWithParam<std::string> {};

TEST_P(BringForwardTest, SecondStartRaisesTheFirstAndLeavesItsPortLogAndSettingsAlone) {
    XServer x(false);
    if (!x.Ready()) GTEST_SKIP() << x.Failure();
    ProgramSandbox sandbox(std::string("[MISC]\r\nDebug=1\r\nAlways on Top=0\r\n") +
                           "[SCREEN PARMS]\r\nLeft=100\r\nTop=100\r\nWindow State=" + GetParam() +
                           "\r\n");
    ProgramProcess first(sandbox, "xcb");
    ASSERT_TRUE(Cycling(sandbox)) << first.Output();
    const bool minimized = GetParam() == "1";
    if (minimized) {
        // Minimized, the title carries the status words instead of the caption.
        ASSERT_TRUE(WaitUntil([&] { return CaptionWindows(first.Pid(), false).empty(); }));
    }

    // An ordinary window over the first one.
    x.StartClient({"xmessage", "-geometry", "600x500+0+0", "cover"});
    std::vector<unsigned long> cover;
    ASSERT_TRUE(WaitUntil([&] {
        cover = SearchWindows({"--onlyvisible", "--class", "Xmessage"});
        return !cover.empty();
    }));

    if (!minimized) {
        const std::vector<unsigned long> covered = CaptionWindows(first.Pid(), true);
        ASSERT_EQ(covered.size(), 1u);
        ASSERT_GT(StackIndex(covered[0]), StackIndex(cover[0]));
    }

    const std::string settings = sandbox.Home().readSettings();
    const auto settingsTime = sandbox.SettingsTime();
    const std::string log = sandbox.LogText();
    ASSERT_FALSE(log.empty());
    const int identifications = sandbox.Meter().CommandCount('v');

    ProgramProcess second(sandbox, "xcb");
    EXPECT_EQ(second.WaitForExit(), 0) << second.Output();

    std::vector<unsigned long> window;
    ASSERT_TRUE(WaitUntil([&] {
        window = CaptionWindows(first.Pid(), true);
        return window.size() == 1 && StackIndex(window[0]) < StackIndex(cover[0]);
    })) << "the first instance did not come forward with its caption";
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(sandbox.Meter().CommandCount('v'), identifications) << "the second asked the meter";
    EXPECT_EQ(sandbox.LogText().substr(0, log.size()), log) << "the second wrote the log";
    EXPECT_EQ(sandbox.Home().readSettings(), settings);
    EXPECT_EQ(sandbox.SettingsTime(), settingsTime);

    // The restore reached the program, not only the display: it saves a normal window.
    EXPECT_EQ(first.Stop(SIGTERM), 0);
    EXPECT_NE(sandbox.Home().readSettings().find("Window State=0\r\n"), std::string::npos)
        << sandbox.Home().readSettings();
}

INSTANTIATE_TEST_SUITE_P(Window, BringForwardTest, ::testing::Values("1", "0"),
                         [](const auto& state) {
                             return state.param == "1" ? "Minimized" : "Covered";
                         });

TEST(SingleInstanceTest, StartAfterTheFirstEndedOrWasKilledRuns) {
    ProgramSandbox sandbox;
    for (const int ending : {SIGTERM, SIGKILL}) {
        SCOPED_TRACE(ending == SIGTERM ? "ended" : "killed");
        const int cycles = sandbox.Meter().CommandCount('s');
        ProgramProcess first(sandbox, "offscreen");
        ASSERT_TRUE(Cycling(sandbox, cycles + 1)) << first.Output();
        EXPECT_EQ(first.Stop(ending), ending == SIGTERM ? 0 : 128 + SIGKILL);
        if (ending == SIGKILL) sandbox.ReleaseDeadClaimOnLine();

        const int identifications = sandbox.Meter().CommandCount('v');
        ProgramProcess next(sandbox, "offscreen");
        EXPECT_TRUE(WaitUntil([&] { return sandbox.Meter().CommandCount('v') > identifications; }))
            << "the next start did not run: " << next.Output();
        EXPECT_TRUE(next.Running());
        EXPECT_EQ(next.Stop(SIGTERM), 0);
    }
}

TEST(SingleInstanceTest, TwentySimultaneousStartsLeaveExactlyOneRunning) {
    ProgramSandbox sandbox;
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    std::vector<std::unique_ptr<ProgramProcess>> starts;
    for (int i = 0; i < 20; ++i)
        starts.push_back(std::make_unique<ProgramProcess>(sandbox, "offscreen", gate));
    ::close(gate[0]);
    ::close(gate[1]);  // all go at once

    std::vector<ProgramProcess*> running;
    ASSERT_TRUE(WaitUntil(
        [&] {
            running.clear();
            for (auto& start : starts)
                if (start->Running()) running.push_back(start.get());
            return running.size() <= 1;
        },
        std::chrono::seconds(60)));
    ASSERT_EQ(running.size(), 1u);
    for (auto& start : starts)
        if (start.get() != running[0]) {
            EXPECT_EQ(start->WaitForExit(), 0) << start->Output();
        }

    EXPECT_TRUE(Cycling(sandbox));
    EXPECT_TRUE(running[0]->Running());
    EXPECT_EQ(sandbox.Meter().CommandCount('v'), 1) << "only the one that runs opens the port";
    EXPECT_EQ(running[0]->Stop(SIGTERM), 0);
}

}  // namespace
