// The tray light's menu with the built program under Xvfb and a real tray host: a right
// click opens the two entries; "&Color Code Help" shows the colour codes; "Quorvane &Exit"
// ends the program the orderly way, saving the settings and leaving a whole log.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "e2e/DesktopProgram.h"

namespace {

const std::string HelpCaption = "QUORVANE tray icon color codes";

void Xdotool(const std::vector<std::string>& arguments) {
    std::vector<std::string> command{"xdotool"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    Capture(command);
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

TEST(TrayMenuTest, RightClickOpensTheMenuWhoseEntriesShowTheHelpAndEndTheProgram) {
    XServer x(true);
    if (!x.Ready()) GTEST_SKIP() << x.Failure();
    ProgramSandbox sandbox("[MISC]\r\nDebug=1\r\n");
    ProgramProcess program(sandbox, "xcb");

    // The first cycle with a frame puts the light in the tray.
    std::vector<unsigned long> light;
    ASSERT_TRUE(WaitUntil([&] {
        light = ProgramWindows(program.Pid(), false);
        return light.size() == 1;
    })) << program.Output()
        << Capture({"xwininfo", "-root", "-tree"});
    const std::string icon = std::to_string(light[0]);

    auto openMenu = [&] {
        // The tray now and then drops a press that follows the last menu closely: press again.
        for (int tries = 0; tries < 5; ++tries) {
            Xdotool({"mousemove", "--window", icon, "8", "8", "click", "3"});
            if (WaitUntil([&] { return ProgramWindows(program.Pid(), true).size() == 2; },
                          std::chrono::seconds(3)))
                return true;
        }
        return false;
    };

    ASSERT_TRUE(openMenu()) << "a right click opened no menu";
    KeepScreenshot("tray-menu");
    // The access key of "&Color Code Help".
    Xdotool({"key", "c"});
    const auto helpShown = [] {
        return !SearchWindows({"--onlyvisible", "--name", HelpCaption}).empty();
    };
    ASSERT_TRUE(WaitUntil(helpShown));
    KeepScreenshot("tray-color-codes");
    Xdotool({"key", "Return"});
    ASSERT_TRUE(WaitUntil([&] { return !helpShown(); }));
    EXPECT_TRUE(program.Running());

    ASSERT_TRUE(openMenu()) << "the menu did not open a second time";
    // The access key of "Quorvane &Exit".
    Xdotool({"key", "e"});
    EXPECT_EQ(program.WaitForExit(), 0) << program.Output();

    // The shutdown save ran: the settings the program started without are all there.
    const std::string settings = sandbox.Home().readSettings();
    for (const char* line : {"[COM PARMS]\r\nPort=1\r\n", "Window State=0\r\n", "Debug=1\r\n",
                             "Refresh Rate=1000\r\n", "QRP jumpered=1\r\n", "Show Power=0\r\n"})
        EXPECT_NE(settings.find(line), std::string::npos) << line << " missing in\n" << settings;
    // The log was closed whole: it starts with the start line and every line is ended.
    const std::string log = sandbox.LogText();
    EXPECT_EQ(log.rfind("Starting Quorvane\r\n", 0), 0u) << log;
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.substr(log.size() - 2), "\r\n");
}

}  // namespace
