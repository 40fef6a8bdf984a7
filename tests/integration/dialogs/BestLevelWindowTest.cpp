// The best-level window as the main window drives it: which buttons work in each phase of a
// sweep and what they ask for, and what its chart shows of the levels measured.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "dialogs/BestLevelWindow.h"
#include "measure/SweepChart.h"

namespace {

constexpr int kTarget = -22;

SweepStep Step(int level, double watts, double imdDb, SignalState state = SignalState::SignalOk) {
    SweepStep s;
    s.level = level;
    s.watts = watts;
    s.imdDb = imdDb;
    s.state = state;
    s.meetsTarget = imdDb <= kTarget;
    return s;
}

// Up in coarse steps through a level without two tones, then back to 40 %, whose second
// measurement is the one that counts.
const std::vector<SweepStep> kSteps = {
    Step(10, 3, -38),  Step(20, 8, -33),  Step(30, 10, 0, SignalState::Data),
    Step(40, 30, -20), Step(50, 16, -24), Step(40, 12, -31)};

SweepResult BestAt(int level) {
    SweepResult r;
    r.best = Step(level, 12, -31);
    return r;
}

// The buttons' enabled states as "SCUK" letters, '-' for a disabled one.
std::string Enabled(const BestLevelWindow& w) {
    std::string s;
    for (const auto& [button, letter] : {std::pair{w.startButton, 'S'},
                                         {w.cancelButton, 'C'},
                                         {w.useButton, 'U'},
                                         {w.keepButton, 'K'}})
        s += button->isEnabled() ? letter : '-';
    return s;
}

QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pure-ish colours, allowing for the blend of an antialiased edge.
bool Green(QRgb p) {
    return qGreen(p) > 150 && qRed(p) < 100 && qBlue(p) < 100;
}
bool Cyan(QRgb p) {
    return qGreen(p) > 150 && qBlue(p) > 150 && qRed(p) < 100;
}
bool Yellow(QRgb p) {
    return qRed(p) > 150 && qGreen(p) > 150 && qBlue(p) < 100;
}
bool Orange(QRgb p) {
    return qRed(p) > 200 && qGreen(p) > 100 && qGreen(p) < 200 && qBlue(p) < 80;
}
bool White(QRgb p) {
    return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200;
}

// Pixels of a colour in the box of `radius` around a point.
int CountNear(const QImage& image, QPointF at, int radius, bool (*colour)(QRgb)) {
    int count = 0;
    for (int y = int(at.y()) - radius; y <= int(at.y()) + radius; ++y)
        for (int x = int(at.x()) - radius; x <= int(at.x()) + radius; ++x)
            count += image.valid(x, y) && colour(image.pixel(x, y));
    return count;
}

int CountInColumn(const QImage& image, int x, const QRect& rows, bool (*colour)(QRgb)) {
    int count = 0;
    for (int y = rows.top(); y <= rows.bottom(); ++y) count += colour(image.pixel(x, y));
    return count;
}

TEST(BestLevelWindowTest, ButtonsFollowTheSweepAndEachAsksForItsOwnStep) {
    BestLevelWindow window;
    const std::vector<SweepStep> upTo30(kSteps.begin(), kSteps.begin() + 3);
    // A phase the main window shows, the buttons that work then and the result line.
    const struct {
        const char* phase;
        std::function<void()> show;
        std::string enabled;
        std::string result;
    } phases[] = {
        {"opened", [&] { window.ShowStored("Last time: best level 55 %"); }, "S---",
         "Last time: best level 55 %"},
        {"running", [&] { window.ShowRunning(upTo30, 40, kTarget); }, "-C--", ""},
        {"best found",
         [&] {
             window.ShowFinished(kSteps, kTarget, BestAt(40), "Best level 40 %\nLinear up to 40 %");
         },
         "S-UK", "Best level 40 %\nLinear up to 40 %"},
        {"none met the target",
         [&] { window.ShowFinished(kSteps, kTarget, {}, "No level met the target IMD"); }, "S--K",
         "No level met the target IMD"},
        {"stopped", [&] { window.ShowStopped("Stopped: the signal went away"); }, "S---",
         "Stopped: the signal went away"},
    };
    QSignalSpy start(&window, &BestLevelWindow::StartRequested),
        cancel(&window, &BestLevelWindow::CancelRequested),
        use(&window, &BestLevelWindow::UseRequested),
        keep(&window, &BestLevelWindow::KeepRequested);
    const std::pair<QPushButton*, QSignalSpy*> buttons[] = {{window.startButton, &start},
                                                            {window.cancelButton, &cancel},
                                                            {window.useButton, &use},
                                                            {window.keepButton, &keep}};
    EXPECT_EQ(Enabled(window), "S---");
    for (const auto& p : phases) {
        SCOPED_TRACE(p.phase);
        p.show();
        EXPECT_EQ(Enabled(window), p.enabled);
        EXPECT_EQ(window.resultLabel->text().toStdString(), p.result);
        // Each working button asks for its own step, and only that one.
        for (const auto& [button, spy] : buttons) {
            if (!button->isEnabled()) continue;
            p.show();
            for (const auto& [other, otherSpy] : buttons) otherSpy->clear();
            QTest::mouseClick(button, Qt::LeftButton);
            for (const auto& [other, otherSpy] : buttons)
                EXPECT_EQ(otherSpy->count(), other == button) << other->text().toStdString();
        }
    }
    // Once the level is used or kept, neither answer is offered again.
    window.ShowFinished(kSteps, kTarget, BestAt(40), "Best level 40 %");
    QTest::mouseClick(window.useButton, Qt::LeftButton);
    EXPECT_EQ(Enabled(window), "S---");
}

TEST(BestLevelWindowTest, OpensBesideItsParentAndClosingTellsTheMainWindow) {
    QWidget owner;
    owner.setGeometry(0, 0, 200, 150);
    owner.show();
    auto* window = new BestLevelWindow(&owner);
    QSignalSpy closed(window, &BestLevelWindow::Closed);
    window->Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_FALSE(window->frameGeometry().intersects(owner.frameGeometry()));
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

// The figures in words, for a reader who cannot see the plot, as the sweep runs, stops on a
// level without two tones, and finishes.
TEST(SweepChartTest, DescriptionNamesTheLevelsAndTheirFigures) {
    SweepChart chart;
    EXPECT_EQ(chart.Description().toStdString(), "No levels measured yet");
    chart.SetSweep({}, 10, kTarget, std::nullopt);
    EXPECT_EQ(chart.Description().toStdString(), "No levels measured yet; now at 10 %");
    chart.SetSweep(kSteps, 44, kTarget, std::nullopt);
    EXPECT_EQ(chart.Description().toStdString(),
              "5 levels measured, 10 % to 50 %; at 40 %: 12 W, IMD -31 dB; now at 44 %; "
              "target IMD -22 dB");
    chart.SetSweep({kSteps.begin(), kSteps.begin() + 3}, std::nullopt, -26, std::nullopt);
    EXPECT_EQ(chart.Description().toStdString(),
              "3 levels measured, 10 % to 30 %; at 30 %: 10 W, no two-tone signal; "
              "target IMD -26 dB");
    chart.SetSweep({Step(10, 3.24, -38)}, std::nullopt, kTarget, 10);
    EXPECT_EQ(chart.Description().toStdString(),
              "1 level measured; at 10 %: 3.2 W, IMD -38 dB; best level 10 %: 3.2 W, IMD -38 dB; "
              "target IMD -22 dB");
}

TEST(SweepChartTest, PlotShowsPointsTargetAndMarkersInTheirColours) {
    SweepChart chart;
    chart.resize(480, 320);
    chart.SetSweep(kSteps, 44, kTarget, std::nullopt);
    QImage image = Grab(chart);
    const QRect area = chart.PlotArea();
    const auto imd = [&](const SweepStep& s) { return chart.ImdPoint(s.level, s.imdDb); };
    const auto power = [&](const SweepStep& s) { return chart.PowerPoint(s.level, s.watts); };
    const auto middle = [](QPointF a, QPointF b) { return (a + b) / 2; };

    // The dashed target line across most of its row.
    const int targetRow = int(std::lround(chart.ImdPoint(0, kTarget).y()));
    int yellow = 0;
    for (int x = area.left(); x <= area.right(); ++x) yellow += Yellow(image.pixel(x, targetRow));
    EXPECT_GT(yellow, area.width() / 2);
    // Two-tone levels as filled points joined by lines; 40 % where it was measured last.
    const SweepStep& at10 = kSteps[0];
    const SweepStep& at20 = kSteps[1];
    const SweepStep& noTones = kSteps[2];
    const SweepStep& at40 = kSteps[5];
    const SweepStep& at50 = kSteps[4];
    for (const SweepStep* s : {&at10, &at20, &at40}) {
        EXPECT_TRUE(Green(image.pixelColor(imd(*s).toPoint()).rgb())) << s->level;
        EXPECT_TRUE(Cyan(image.pixelColor(power(*s).toPoint()).rgb())) << s->level;
    }
    EXPECT_EQ(CountNear(image, imd(kSteps[3]), 1, Green), 0) << "40 % measured first";
    EXPECT_GT(CountNear(image, middle(imd(at10), imd(at20)), 1, Green), 0);
    EXPECT_GT(CountNear(image, middle(power(at40), power(at50)), 1, Cyan), 0);
    // A level without two tones: no IMD, which leaves the IMD axis alone; its power a ring
    // with a black centre and no line to its neighbours.
    EXPECT_LT(imd(noTones).y(), area.top());
    EXPECT_EQ(CountNear(image, power(noTones), 1, Cyan), 0);
    EXPECT_GT(CountNear(image, power(noTones), 5, Cyan), 0);
    EXPECT_EQ(CountNear(image, middle(power(at20), power(noTones)), 1, Cyan), 0);
    EXPECT_EQ(CountNear(image, middle(power(noTones), power(at40)), 1, Cyan), 0);
    EXPECT_EQ(CountNear(image, middle(imd(at20), imd(at40)), 1, Green), 0);
    // The level being measured as a dotted line down the plot.
    const int now = int(chart.ImdPoint(44, 0).x());
    EXPECT_GT(CountInColumn(image, now, area, White), area.height() / 5);

    // Finished: the best level ringed and marked, the level marker gone.
    chart.SetSweep(kSteps, std::nullopt, kTarget, 40);
    image = Grab(chart);
    EXPECT_EQ(CountInColumn(image, now, area, White), 0);
    EXPECT_GT(CountNear(image, imd(at40), 8, Orange), 10);
    EXPECT_GT(CountNear(image, power(at40), 8, Orange), 10);
    EXPECT_GT(CountInColumn(image, int(imd(at40).x()), area, Orange), area.height() / 2);
}

}  // namespace
