// The session history against the emulator: each graph cycle's record carries the figures
// the status line shows, the running CSV log gets it at once, and the History... command
// opens the window whose "Save as CSV..." writes the same records.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "dialogs/uhistory.h"
#include "support/app/MainWindowHarness.h"

namespace {

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::istringstream text(line);
    std::vector<std::string> fields;
    for (std::string field; std::getline(text, field, ',');) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    return fields;
}

// The number after the label's colon: "IMD:-70.3db", "PEAK: 3.9V", "LEVEL:75%".
double Figure(const std::string& label) {
    return std::stod(label.substr(label.find(':') + 1));
}

TEST(HistoryTest, EachCycleIsLoggedWithTheStatusLinesFigures) {
    MainWindowHarness h({.settings = "[HISTORY]\r\nLog=1\r\nFile=history.csv\r\n"});
    ASSERT_TRUE(h.Start());
    const std::string log = h.WorkDir() + "/history.csv";
    int cycles = 0;
    for (const char* scenario : {"clean", "splatter", "noise", "clean"}) {
        SCOPED_TRACE(scenario);
        h.Meter().SetScenario(scenario);
        h.Cycle();
        ++cycles;
        const std::vector<std::string> lines = Lines(log);
        ASSERT_EQ(lines.size(), 1u + cycles);
        const std::vector<std::string> f = Fields(lines.back());
        ASSERT_EQ(f.size(), 7u) << lines.back();
        EXPECT_EQ(f[1], h.Splatter());
        EXPECT_EQ(std::stoi(f[6]), Figure(h.Label("Level")));
        if (h.Label("IMD").empty()) {
            EXPECT_EQ(f[2] + f[3] + f[4] + f[5], "");
            continue;
        }
        EXPECT_NEAR(std::stod(f[2]), Figure(h.Label("MaxVoltage")), 0.051);
        EXPECT_NEAR(std::stod(f[4]), Figure(h.Label("IMD")), 0.051);
        EXPECT_NEAR(std::stod(f[5]), Figure(h.Label("rms")), 0.0051);
    }

    h.Command("History1")->trigger();
    auto* window = h.Form().findChild<THistoryForm*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    ASSERT_TRUE(window->SaveTo(QString::fromStdString(h.WorkDir() + "/saved.csv")));
    EXPECT_EQ(Lines(h.WorkDir() + "/saved.csv"), Lines(log));
    const std::size_t shown = h.Messages().size();
    EXPECT_FALSE(window->SaveTo(QString::fromStdString(h.WorkDir() + "/none/saved.csv")));
    EXPECT_EQ(h.Messages().size(), shown + 1);
}

}  // namespace
