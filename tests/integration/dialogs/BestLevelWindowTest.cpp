// The best-level window as the main window drives it: which buttons work in each phase of a
// sweep and what they ask for, and how its chart describes the levels measured.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <array>
#include <functional>

#include "dialogs/BestLevelWindow.h"
#include "measure/SweepChart.h"

namespace {

constexpr int kTarget = -22;

SweepStep Step(int level, double watts, double imdDb, SignalState state = SignalState::SignalOk) {
    return {.level = level, .watts = watts, .imdDb = imdDb, .state = state};
}

// Up in coarse steps through a level without two tones, then back to 40 %, whose second
// measurement is the one that counts.
const std::vector<SweepStep> kSteps = {
    Step(10, 3, -38),  Step(20, 8, -33),  Step(30, 10, 0, SignalState::Data),
    Step(40, 30, -20), Step(50, 16, -24), Step(40, 12, -31)};

std::array<std::pair<QPushButton*, char>, 4> Buttons(const BestLevelWindow& w) {
    return {{{w.startButton, 'S'}, {w.cancelButton, 'C'}, {w.useButton, 'U'}, {w.keepButton, 'K'}}};
}

// The buttons' enabled states as "SCUK" letters, '-' for a disabled one.
std::string Enabled(const BestLevelWindow& w) {
    std::string s;
    for (const auto& [button, letter] : Buttons(w)) s += button->isEnabled() ? letter : '-';
    return s;
}

// The buttons' requests themselves are clicked through the main window (BestLevelTest).
TEST(BestLevelWindowTest, ButtonsFollowTheSweep) {
    BestLevelWindow window;
    const SweepResult best{.best = kSteps[5]};
    const QString note = "Best level 40 %\nLinear up to 40 %";
    // A phase the main window shows and the buttons that work then.
    const std::pair<std::function<void()>, std::string> phases[] = {
        {[&] { window.ShowStored(note); }, "S---"},
        {[&] { window.ShowRunning(kSteps, 40, kTarget); }, "-C--"},
        {[&] { window.ShowFinished(kSteps, kTarget, best, note); }, "S-UK"},
        {[&] { window.ShowFinished(kSteps, kTarget, {}, note); }, "S--K"},
        {[&] { window.ShowStopped(note); }, "S---"},
    };
    EXPECT_EQ(Enabled(window), "S---");
    for (const auto& [show, enabled] : phases) {
        window.resultLabel->setText("left from before");
        show();
        EXPECT_EQ(Enabled(window), enabled);
        // The result line, the phase's own and empty while a sweep runs.
        EXPECT_EQ(window.resultLabel->text(), enabled == "-C--" ? QString() : note) << enabled;
    }
    // Once the level is used or kept, neither answer is offered again.
    window.ShowFinished(kSteps, kTarget, best, note);
    QTest::mouseClick(window.keepButton, Qt::LeftButton);
    EXPECT_EQ(Enabled(window), "S---");
}

TEST(BestLevelWindowTest, ClosingTellsTheMainWindow) {
    QWidget owner;
    auto* window = new BestLevelWindow(&owner);
    int closed = 0;
    QObject::connect(window, &BestLevelWindow::Closed, [&] { ++closed; });
    window->Open();
    window->close();
    EXPECT_EQ(closed, 1);
}

// The figures in words, for a reader who cannot see the plot, as the sweep runs, stops on a
// level without two tones, and finishes.
TEST(SweepChartTest, DescriptionNamesTheLevelsAndTheirFigures) {
    SweepChart chart;
    const auto describe = [&](std::vector<SweepStep> steps, std::optional<int> now, int target,
                              std::optional<int> best) {
        chart.SetSweep(std::move(steps), now, target, best);
        return chart.Description().toStdString();
    };
    EXPECT_EQ(describe({}, 10, kTarget, {}), "No levels measured yet; now at 10 %");
    EXPECT_EQ(describe(kSteps, 44, kTarget, {}),
              "5 levels measured, 10 % to 50 %; at 40 %: 12 W, IMD -31 dB; now at 44 %; "
              "target IMD -22 dB");
    EXPECT_EQ(describe({kSteps.begin(), kSteps.begin() + 3}, {}, -26, {}),
              "3 levels measured, 10 % to 30 %; at 30 %: 10 W, no two-tone signal; "
              "target IMD -26 dB");
    EXPECT_EQ(describe({Step(10, 3.24, -38)}, {}, kTarget, 10),
              "1 level measured; at 10 %: 3.2 W, IMD -38 dB; best level 10 %: 3.2 W, IMD -38 dB; "
              "target IMD -22 dB");
}

}  // namespace
