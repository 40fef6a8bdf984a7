// The built program's command line: the two questions answered on standard output with
// no display to be had, an unknown option refused on standard error while Qt's own
// options pass.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "support/Process.h"
#include "support/ScopedEnv.h"

TEST(CommandLineTest, AnswersHelpAndVersionAndRefusesAnUnknownOption) {
    ScopedEnv noDisplay("DISPLAY", ""), noWayland("WAYLAND_DISPLAY", ""),
        defaultPlatform("QT_QPA_PLATFORM", "");
    struct Row {
        std::vector<std::string> arguments;
        int status;
        bool onStdout;  // else on stderr, with nothing on stdout
        const char* text;
    };
    for (const Row& row : {
             Row{{"--help"}, 0, true, R"(^Usage: \S*quorvane \[options\]\n[^]*-v, --version)"},
             Row{{"--version"}, 0, true, R"(^Quorvane Version \d+\.\d+\.\d+\.\d+\n$)"},
             Row{{"-platform", "offscreen", "--bogus"},
                 2,
                 false,
                 R"((^|\n)quorvane: Unknown option 'bogus'\.\nUsage: [^]*--help)"},
         }) {
        std::vector<std::string> command{QUORVANE_PROGRAM};
        command.insert(command.end(), row.arguments.begin(), row.arguments.end());
        SCOPED_TRACE(row.arguments.back());
        int status = -1;
        const std::string out = Capture(command, &status);
        const std::string all = Capture(command, nullptr, true);
        EXPECT_EQ(status, row.status);
        EXPECT_TRUE(std::regex_search(all, std::regex(row.text))) << all;
        EXPECT_EQ(out, row.onStdout ? all : "");
    }
}
