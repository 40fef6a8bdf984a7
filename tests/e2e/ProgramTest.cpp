// The built program as the operator runs it, under Xvfb against the meter emulator: the
// chart on the screen; one instance per user (a second start brings the first forward and
// leaves its port, log and settings alone; of simultaneous starts one runs; after an end
// or a kill the next start runs); the orderly end on a signal or the tray menu's Exit;
// and the note when no port opens.

#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QImage>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/DesktopProgram.h"

namespace {

const std::string Caption = "PSK31 RF Monitoring on COM1";

// What a clean frame puts on the screen: two full arches of lime bars, the yellow ideal
// arch traced along all four of their edges at full width (a line hidden under the bars
// leaves a one-pixel rim at most), and the grey status line with white words on it. Empty
// when it is all there, else the counts.
std::string ChartFaults(const QImage& screen) {
    const auto each = [&](const QRect& area, const auto& visit) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) visit(x, y, screen.pixel(x, y));
    };
    int lime = 0, yellow = 0, grey = 0, text = 0;
    QRect limeBox, greyBox;
    each(screen.rect(), [&](int x, int y, QRgb p) {
        if (p == qRgb(0, 255, 0)) ++lime, limeBox |= QRect(x, y, 1, 1);
        if (p == qRgb(255, 255, 0)) ++yellow;
        if (p == qRgb(128, 128, 128)) ++grey, greyBox |= QRect(x, y, 1, 1);
    });
    each(greyBox, [&](int, int, QRgb p) { text += p == qRgb(255, 255, 255); });
    if (lime > 5000 && yellow > 3.5 * limeBox.width() && grey > 5000 && text > 100) return "";
    std::ostringstream counts;
    counts << "lime " << lime << ", yellow " << yellow << " over " << limeBox.width()
           << " px, grey " << grey << ", text " << text;
    return counts.str();
}

// Index in the stacking order, 0 = topmost.
long StackIndex(unsigned long window) {
    const std::vector<unsigned long> order = StackingOrder();
    return std::find(order.begin(), order.end(), window) - order.begin();
}

TEST(ProgramTest, ShowsTheChartComesForwardForASecondStartAndEndsOnASignal) {
    struct Run {
        const char* name;
        bool minimized;  // the window state quorvane.ini stores
        int signal;
    };
    for (const Run& run :
         {Run{"covered, SIGTERM", false, SIGTERM}, Run{"minimized, SIGINT", true, SIGINT}}) {
        SCOPED_TRACE(run.name);
        XServer x(false);
        ASSERT_TRUE(x.Ready()) << x.Failure();
        ProgramSandbox sandbox(std::string("[MISC]\r\nDebug=1\r\nAlways on Top=0\r\n") +
                               "[SCREEN PARMS]\r\nLeft=100\r\nTop=100\r\nWindow State=" +
                               (run.minimized ? "1" : "0") + "\r\n");
        ProgramProcess first(sandbox, "xcb");
        // Two frames asked for: the first one has been shown, and the message loop runs.
        ASSERT_TRUE(WaitUntil([&] { return sandbox.Meter().CommandCount('s') >= 2; }))
            << first.Output();
        if (run.minimized) {
            // Minimized, the title carries the status words instead of the caption.
            ASSERT_TRUE(
                WaitUntil([&] { return WindowsTitled(Caption, first.Pid(), false).empty(); }));
        } else {
            std::string faults;  // the picture may lag behind the frames
            EXPECT_TRUE(WaitUntil([&] {
                faults = ChartFaults(QImage(QString::fromStdString(KeepScreenshot("chart"))));
                return faults.empty();
            })) << faults;
        }

        // An ordinary window over the first one.
        x.StartClient({"xmessage", "-geometry", "600x500+0+0", "cover"});
        std::vector<unsigned long> cover;
        ASSERT_TRUE(WaitUntil([&] {
            cover = SearchWindows({"--onlyvisible", "--class", "Xmessage"});
            return !cover.empty();
        }));
        if (!run.minimized) {
            const std::vector<unsigned long> covered = WindowsTitled(Caption, first.Pid());
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
            window = WindowsTitled(Caption, first.Pid());
            return window.size() == 1 && StackIndex(window[0]) < StackIndex(cover[0]);
        })) << "the first instance did not come forward with its caption";
        EXPECT_TRUE(first.Running());
        EXPECT_EQ(sandbox.Meter().CommandCount('v'), identifications)
            << "the second asked the meter";
        EXPECT_EQ(sandbox.LogText().substr(0, log.size()), log) << "the second wrote the log";
        EXPECT_EQ(sandbox.Home().readSettings(), settings);
        EXPECT_EQ(sandbox.SettingsTime(), settingsTime);

        // The restore reached the program, not only the display: it saves a normal window.
        ::kill(first.Pid(), run.signal);
        EXPECT_EQ(first.WaitForExit(), 0) << first.Output();
        sandbox.ExpectOrderlyEnd();

        ProgramProcess next(sandbox, "xcb");
        EXPECT_TRUE(WaitUntil([&] { return sandbox.Meter().CommandCount('v') > identifications; }))
            << "the next start did not run: " << next.Output();
        EXPECT_TRUE(next.Running());
        EXPECT_EQ(next.Stop(SIGHUP), 0);  // a closed terminal saves too
        sandbox.ExpectOrderlyEnd();
    }
}

TEST(ProgramTest, OfTwentySimultaneousStartsOneRunsAndAfterItsKillTheNext) {
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
    EXPECT_TRUE(WaitUntil([&] { return sandbox.Meter().CommandCount('s') >= 1; }));
    EXPECT_TRUE(running[0]->Running());
    EXPECT_EQ(sandbox.Meter().CommandCount('v'), 1) << "only the one that runs opens the port";

    EXPECT_EQ(running[0]->Stop(SIGKILL), 128 + SIGKILL);
    sandbox.ReleaseDeadClaimOnLine();
    ProgramProcess next(sandbox, "offscreen");
    EXPECT_TRUE(WaitUntil([&] { return sandbox.Meter().CommandCount('v') > 1; }))
        << "the next start did not run: " << next.Output();
    EXPECT_TRUE(next.Running());
    EXPECT_EQ(next.Stop(SIGTERM), 0);
}

// The program's visible windows: top-level (the main window, and the menu while it is
// open) or embedded in the tray (the light).
std::vector<unsigned long> ProgramWindows(pid_t pid, bool topLevel) {
    const std::vector<unsigned long> tops = StackingOrder();
    std::vector<unsigned long> found;
    for (unsigned long id : SearchWindows({"--onlyvisible", "--pid", std::to_string(pid)}))
        if ((std::find(tops.begin(), tops.end(), id) != tops.end()) == topLevel)
            found.push_back(id);
    return found;
}

TEST(ProgramTest, TrayMenuShowsTheColourCodesAndEndsTheProgram) {
    XServer x(true);
    ASSERT_TRUE(x.Ready()) << x.Failure();
    ProgramSandbox sandbox("[MISC]\r\nDebug=1\r\n");
    ProgramProcess program(sandbox, "xcb");
    std::vector<unsigned long> light;
    ASSERT_TRUE(WaitUntil([&] {
        light = ProgramWindows(program.Pid(), false);
        return light.size() == 1;
    })) << program.Output()
        << Capture({"xwininfo", "-root", "-tree"});
    const auto openMenu = [&] {
        // The tray now and then drops a press that follows the last menu closely: press again.
        for (int tries = 0; tries < 5; ++tries) {
            Capture({"xdotool", "mousemove", "--window", std::to_string(light[0]), "8", "8",
                     "click", "3"});
            if (WaitUntil([&] { return ProgramWindows(program.Pid(), true).size() == 2; },
                          std::chrono::seconds(3)))
                return true;
        }
        return false;
    };

    ASSERT_TRUE(openMenu()) << "a right click opened no menu";
    KeepScreenshot("tray-menu");
    Capture({"xdotool", "key", "c"});  // "&Color Code Help"
    const auto helpShown = [] { return !WindowsTitled("QUORVANE tray icon color codes").empty(); };
    ASSERT_TRUE(WaitUntil(helpShown));
    KeepScreenshot("tray-color-codes");
    Capture({"xdotool", "key", "Return"});
    ASSERT_TRUE(WaitUntil([&] { return !helpShown(); }));
    EXPECT_TRUE(program.Running());

    ASSERT_TRUE(openMenu()) << "the menu did not open a second time";
    Capture({"xdotool", "key", "e"});  // "Quorvane &Exit"
    EXPECT_EQ(program.WaitForExit(), 0) << program.Output();
    sandbox.ExpectOrderlyEnd();
}

TEST(ProgramTest, WithoutAPortANoteThenStatusOneAndTheSettingsUntouched) {
    const std::string ini = "; mine\n[COM PARMS]\nPort=2\n[MISC]\nDebug=1\n";
    for (const bool byKey : {true, false}) {
        SCOPED_TRACE(byKey ? "answered with the Return key" : "ended by SIGTERM");
        // A display of its own each round: no focus or key state carries over to the next note.
        XServer x(false);
        ASSERT_TRUE(x.Ready()) << x.Failure();
        ProgramSandbox sandbox(ini, std::nullopt);
        for (const int port : {1, 2})
            std::filesystem::create_symlink(sandbox.Home().root() + "/nothing",
                                            sandbox.PortLink(port));
        ProgramProcess program(sandbox, "xcb");

        std::vector<unsigned long> note;
        ASSERT_TRUE(WaitUntil([&] { return !(note = WindowsTitled("Error")).empty(); }))
            << sandbox.LogText() << program.Output();
        KeepScreenshot(byKey ? "no-port-note" : "no-port-note-signal");
        // The log stops where the note waits for the operator.
        EXPECT_EQ(sandbox.LogText().find("Terminating"), std::string::npos) << sandbox.LogText();
        if (byKey) {
            Capture({"xdotool", "windowfocus", std::to_string(note[0])});
            Capture({"xdotool", "key", "--window", std::to_string(note[0]), "Return"});
        } else {
            ::kill(program.Pid(), SIGTERM);
        }
        EXPECT_EQ(program.WaitForExit(), 1);

        EXPECT_EQ(sandbox.Home().readSettings(), ini);
        EXPECT_TRUE(sandbox.LogText().ends_with(
            "OpenComPort failed on port 1\r\nRestoring port found in ini file (2)\r\n"
            "Terminating quorvane.exe\r\n"))
            << sandbox.LogText();
    }
}

}  // namespace
