// The graph and text cycles: what one meter reply shows, logs and steps.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "fakes/RecordingLogger.h"
#include "measure/GraphCycle.h"
#include "measure/TextCycle.h"
#include "unit/measure/MeasureFrames.h"

namespace {

using Texts = std::vector<std::string>;

// Records the calls of one cycle in order; chart points are kept apart.
class RecordingView : public GraphView {
public:
    Texts calls;
    std::vector<double> bars, ideal;
    bool minimized = false;

    void ClearChart() override { calls = {"Clear"}, bars.clear(), ideal.clear(); }
    void AppendEnvelope(int, double b) override { bars.push_back(b); }
    void AppendIdeal(int, double v) override { ideal.push_back(v); }
    void SetStatusWord(const std::string& t) override { calls.push_back("Status:" + t); }
    void SetRms(const std::string& t) override { calls.push_back("Rms:" + t); }
    void SetImd(const std::string& t) override { calls.push_back("Imd:" + t); }
    void SetMaxVoltage(const std::string& t) override { calls.push_back("Max:" + t); }
    void SetPowerEstimate(const std::string& t) override { calls.push_back("Power:" + t); }
    void SetLevel(const std::string& t) override { calls.push_back("Level:" + t); }
    void SetTitle(const std::string& t) override { calls.push_back("Title:" + t); }
    void SetIconVisible(bool v) override { calls.push_back(v ? "IconShown" : "IconHidden"); }
    void SetIconIndex(int i) override { calls.push_back("Icon:" + std::to_string(i)); }
    void ChangeAudioLevel(std::int32_t s) override { calls.push_back("Step:" + std::to_string(s)); }
    std::int32_t MixerLevel() override { return 40; }
    bool IsMinimized() override { return minimized; }
};

class GraphCycleTest : public testing::Test {
protected:
    Measurement Run(const std::string& reply) { return cycle.Run(view, reply, settings); }
    // The last calls of the cycle: status, title, icon, steps, level.
    Texts Tail(std::size_t count) const {
        return Texts(view.calls.end() - count, view.calls.end());
    }

    RecordingView view;
    GraphCycle cycle;
    GraphSettings settings{.Analysis = {.MaxVolts = 1.0}};  // over power once the limit is on
};

TEST_F(GraphCycleTest, InvalidAndDataFramesShowTheirStatusOnly) {
    Run(Filled(1));
    EXPECT_EQ(view.calls,
              (Texts{"Clear", "IconShown", "Rms:", "Imd:", "Status:NO SIGNAL", "Icon:0"}));
    view.minimized = true;
    Run(Filled(100, 63));
    EXPECT_EQ(view.calls, (Texts{"Clear", "Rms:", "Imd:", "Status:QUORVANE NOT RESPONDING",
                                 "Title:NOT RESPONDING", "IconHidden"}));
    Run(Filled(5));
    EXPECT_EQ(view.calls, (Texts{"Clear", "IconShown", "Rms:", "Imd:", "Status:NOISE",
                                 "Title:NOISE", "Icon:0"}));
    Run(Filled(100));
    EXPECT_EQ(view.bars, std::vector<double>(64, 100.0));
    EXPECT_TRUE(view.ideal.empty());
    EXPECT_EQ(view.calls, (Texts{"Clear", "IconShown", "Max:PEAK: 2.0V", "Status:DATA",
                                 "Title:DATA", "Level:LEVEL:40%"}));
}

TEST_F(GraphCycleTest, TwoToneCyclesShowFiguresStatusAndStepTheLevel) {
    settings.ShowPower = true;
    Run(ArchFrame(200));
    EXPECT_EQ(view.calls,
              (Texts{"Clear", "IconShown", "Max:PEAK: 3.9V", "Power:24.0W", "Imd:IMD:-70.2db",
                     "Rms:RMS:0.03%", "Status:SIGNAL OK", "Icon:2", "Level:LEVEL:40%"}));
    EXPECT_EQ(view.bars[32], 10.0);
    EXPECT_LT(view.ideal[32], -9.0);  // the ideal line turns over for the second arch

    settings.QrpJumpered = false;
    view.minimized = true;
    settings.DecimalSeparator = ',';
    settings.Gain = 10.0;
    // Thin arches step up and full ones down by ErrRms (2.82 %, 2.95 %) x Gain x 100.
    Run(ArchFrame(200, 0.5));
    EXPECT_EQ(view.calls[3], "Power:434,9W");
    EXPECT_EQ(Tail(5), (Texts{"Status:SPLATTER!", "Title:SPLATTER", "Icon:3", "Step:-28",
                              "Level:LEVEL:40%"}));
    Run(ArchFrame(200, 2.0));
    EXPECT_EQ(Tail(5),
              (Texts{"Status:UNDERDRIVING", "Title:WEAK", "Icon:1", "Step:29", "Level:LEVEL:40%"}));
    Run(ArchFrame(200));
    EXPECT_EQ(Tail(4), (Texts{"Status:SIGNAL OK", "Title:OK", "Icon:2", "Level:LEVEL:40%"}));

    settings.Analysis.PowerLimitEnabled = true;
    Run(ArchFrame(200));
    EXPECT_EQ(Tail(5),
              (Texts{"Status:OVER POWER", "Title:PWR+", "Icon:3", "Step:-1", "Level:LEVEL:40%"}));

    settings.Analysis.PowerLimitEnabled = false;
    std::string wobbly = ArchFrame(200);  // +-30 on the flanks: far off the arch, centred on it
    for (int n = 3; n <= 10; ++n)
        for (const int arch : {0, 20, 32, 52}) wobbly[n - 1 + arch] += n % 2 ? 30 : -30;
    ASSERT_EQ(Run(wobbly).State, SignalState::Undecided);
    EXPECT_EQ(view.calls.size(), 7u);  // no status, title, icon or step
    EXPECT_EQ(view.calls.back(), "Level:LEVEL:40%");
}

TEST_F(GraphCycleTest, EveryTwentyFifthQualifyingCycleCreepsUp) {
    const std::string ok = ArchFrame(200);
    for (int i = 1; i <= 24; ++i)
        for (const std::string& reply : {ok, Filled(100), std::string()}) Run(reply);
    settings.Analysis.PowerLimitEnabled = true;
    Run(ok);  // over power is not counted

    // So the 25th comes now, before the same frame's correction; had any cycle above counted,
    // the creep would have come earlier and not again yet.
    settings.Analysis.PowerLimitEnabled = false;
    Run(ArchFrame(200, 0.5));
    EXPECT_EQ(std::tuple(view.calls[3], view.calls.rbegin()[1]), std::tuple("Step:1", "Step:-14"));
}

TEST(GraphLabelsTest, FixedDecimalsWithTheLocaleSeparatorAndBoundedSteps) {
    // What a screen reader says for a figure: words, numbers and units apart, "dB" for "db".
    const std::pair<std::string, std::string> spoken[] = {
        {ImdLabel(-27.44, '.'), "IMD -27.4 dB"}, {RmsLabel(0.0213, ','), "RMS 2,13 %"}, {"", ""}};
    for (const auto& [shown, words] : spoken) EXPECT_EQ(SpokenFigure(shown), words) << shown;
    EXPECT_EQ(LevelStepSize(0.0159, 5.0), 7);  // truncated
    EXPECT_EQ(LevelStepSize(0.5, 1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(LevelStepSize(0.5, -1e300), -std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(LevelStepSize(std::numeric_limits<double>::quiet_NaN(), 5.0), 0);
}

TEST(TextCycleTest, RowsOfFourAndFiguresAreShownLoggedAndTranslated) {
    RecordingLogger log;
    // An incomplete group counts in the figures only.
    const std::string reply{'\xff', '\x80', '\0', '\x0a', '\x01', '\x02', '\x03', '\x04', '\x05'};
    const TextCycleResult result = RunTextCycle(reply, ',', log);
    EXPECT_EQ(result.MemoLines,
              (Texts{"Received bytes: 9", "255 128   0  10", "  1   2   3   4",
                     "Minimum value: 0(   0,000 V)", "Maximum value: 255(   5,000 V)",
                     "RMS Value:       95,198 (   1,867 V)"}));
    EXPECT_EQ(std::tuple(result.ShowTextModeStatus, log.lines), std::tuple(true, result.MemoLines));
    EXPECT_EQ(RunTextCycle(Filled(128, 5), '.', log).MemoLines[2],
              "Minimum value: 128(   2.510 V)");

    log.lines.clear();
    const TextCycleResult empty = RunTextCycle("", '.', log);  // the status word stays as it was
    EXPECT_EQ(std::tuple(empty.MemoLines, empty.ShowTextModeStatus, log.lines),
              std::tuple(Texts{"No data received."}, false, Texts{}));

    // With a translator installed the window gets the translation, parts filled in, and the
    // log stays English.
    InstallTextTranslator([](const char*, const char* text) { return "<" + std::string(text); });
    const TextCycleResult translated = RunTextCycle(std::string(4, '\0'), '.', log);
    InstallTextTranslator(nullptr);
    EXPECT_EQ(std::tuple(translated.MemoLines[2], log.lines[2]),
              std::tuple("<Minimum value: 0(   0.000 V)", "Minimum value: 0(   0.000 V)"));
}

}  // namespace
