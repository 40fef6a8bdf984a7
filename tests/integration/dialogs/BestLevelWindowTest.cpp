// The best-level window as the main window drives it: which buttons work in each phase of a
// sweep and what they ask for, and what its chart shows of the levels measured.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "dialogs/BestLevelWindow.h"
#include "measure/SweepChart.h"
#include "support/Pixels.h"

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

TEST(BestLevelWindowTest, ButtonsFollowTheSweepAndEachAsksForItsOwnStep) {
    BestLevelWindow window;
    std::string asked;
    QObject::connect(&window, &BestLevelWindow::StartRequested, [&] { asked += 'S'; });
    QObject::connect(&window, &BestLevelWindow::CancelRequested, [&] { asked += 'C'; });
    QObject::connect(&window, &BestLevelWindow::UseRequested, [&] { asked += 'U'; });
    QObject::connect(&window, &BestLevelWindow::KeepRequested, [&] { asked += 'K'; });
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
        // The keyboard rests on a working button, the answer to a result first.
        const std::string preferred = "UKCS";
        const char first = *std::find_if(preferred.begin(), preferred.end(),
                                         [&](char c) { return enabled.find(c) != enabled.npos; });
        EXPECT_EQ(window.focusWidget(), Buttons(window)[std::string("SCUK").find(first)].first);
        // The result line, the phase's own and empty while a sweep runs.
        EXPECT_EQ(window.resultLabel->text(), enabled == "-C--" ? QString() : note) << enabled;
        for (const auto& [button, letter] : Buttons(window)) {
            if (enabled.find(letter) == std::string::npos) continue;
            show();
            asked.clear();
            QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_EQ(asked, std::string(1, letter)) << enabled;
        }
    }
    // Once the level is used or kept, neither answer is offered again.
    window.ShowFinished(kSteps, kTarget, best, note);
    QTest::mouseClick(window.keepButton, Qt::LeftButton);
    EXPECT_EQ(Enabled(window), "S---");
}

TEST(BestLevelWindowTest, OpensBesideItsParentAndClosingTellsTheMainWindow) {
    QWidget owner;
    owner.setGeometry(0, 0, 200, 150);
    owner.show();
    auto* window = new BestLevelWindow(&owner);
    int closed = 0;
    QObject::connect(window, &BestLevelWindow::Closed, [&] { ++closed; });
    window->Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_FALSE(window->frameGeometry().intersects(owner.frameGeometry()));
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

// The middle of an antialiased line is near its colour.
int Near(const QImage& image, const QRect& box, const QColor& colour) {
    return PixelsOf(image, box, colour, 90);
}

QRect Around(QPointF at, int radius) {
    return QRect(int(at.x()) - radius, int(at.y()) - radius, 2 * radius + 1, 2 * radius + 1);
}

TEST(SweepChartTest, PlotShowsPointsTargetAndMarkersInTheirColours) {
    const QColor green(0, 255, 0), cyan(0, 255, 255), orange(255, 160, 0);
    SweepChart chart;
    chart.resize(480, 320);
    chart.SetSweep(kSteps, 44, kTarget, std::nullopt);
    QImage image = Grab(chart);
    const QRect area = chart.PlotArea();
    const auto imd = [&](int i) { return chart.ImdPoint(kSteps[i].level, kSteps[i].imdDb); };
    const auto power = [&](int i) { return chart.PowerPoint(kSteps[i].level, kSteps[i].watts); };
    const auto between = [](QPointF a, QPointF b) { return Around((a + b) / 2, 1); };
    const auto column = [&](double x) { return QRect(int(x), area.top(), 1, area.height()); };

    // The dashed target line across most of its row.
    const QRect targetRow(area.left(), std::lround(chart.ImdPoint(0, kTarget).y()), area.width(),
                          1);
    EXPECT_GT(Near(image, targetRow, Qt::yellow), area.width() / 2);
    // Two-tone levels as filled points joined by lines; 40 % where it was measured last.
    for (const int i : {0, 1, 5}) {
        EXPECT_EQ(Near(image, Around(imd(i), 0), green), 1) << kSteps[i].level;
        EXPECT_EQ(Near(image, Around(power(i), 0), cyan), 1) << kSteps[i].level;
    }
    EXPECT_EQ(Near(image, Around(imd(3), 1), green), 0) << "40 % measured first";
    EXPECT_GT(Near(image, between(imd(0), imd(1)), green), 0);
    // A level without two tones: no IMD, which leaves the IMD axis alone; its power a ring
    // with a black centre and no line to its neighbours.
    EXPECT_LT(imd(2).y(), area.top());
    EXPECT_EQ(Near(image, Around(power(2), 1), cyan), 0);
    EXPECT_GT(Near(image, Around(power(2), 5), cyan), 0);
    EXPECT_EQ(Near(image, between(power(1), power(2)), cyan), 0);
    EXPECT_EQ(Near(image, between(power(2), power(5)), cyan), 0);
    EXPECT_EQ(Near(image, between(imd(1), imd(5)), green), 0);
    // The level being measured as a dotted line down the plot.
    const QRect now = column(chart.ImdPoint(44, 0).x());
    EXPECT_GT(Near(image, now, Qt::white), area.height() / 5);

    // Finished: the best level ringed and marked, the level marker gone.
    chart.SetSweep(kSteps, std::nullopt, kTarget, 40);
    image = Grab(chart);
    EXPECT_EQ(Near(image, now, Qt::white), 0);
    EXPECT_GT(Near(image, Around(imd(5), 8), orange), 10);  // more than its column shows
    EXPECT_GT(Near(image, column(imd(5).x()), orange), area.height() / 2);
}

}  // namespace
