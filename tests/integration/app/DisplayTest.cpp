// What the real main window shows for each kind of meter reply, in graph and text mode.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QPlainTextEdit>
#include <cmath>
#include <regex>

#include "desktop/SpTrayIc.h"
#include "measure/EnvelopeChart.h"
#include "support/app/MainWindowHarness.h"

namespace {

// What a cycle does to a group of status-line figures.
enum class Figures { Shown, Cleared, Kept };

struct Row {
    const char* scenario;
    const char* status;
    const char* title;  // while minimized
    bool iconVisible;
    int iconIndex;
    int chartPoints;
    Figures rmsImd;
    Figures peakPower;  // MaxVoltage and PowerEstimate; Show Power is checked
};

// In order: each row's "kept" refers to what the row before it showed.
constexpr Row kRows[] = {
    {"clean", "SIGNAL OK", "OK", true, 2, 256, Figures::Shown, Figures::Shown},
    {"data", "DATA", "DATA", true, 2, 128, Figures::Kept, Figures::Shown},
    {"underdriven", "UNDERDRIVING", "WEAK", true, 1, 256, Figures::Shown, Figures::Shown},
    {"short", "QUORVANE NOT RESPONDING", "NOT RESPONDING", false, 1, 0, Figures::Cleared,
     Figures::Kept},
    // Back from a short reply, a data frame shows the light in the colour it last had.
    {"data", "DATA", "DATA", true, 1, 128, Figures::Kept, Figures::Shown},
    {"splatter", "SPLATTER!", "SPLATTER", true, 3, 256, Figures::Shown, Figures::Shown},
    // Identification text changes the status word and nothing else.
    {"idtext", "QUORVANE RF Meter Version 1.10", "SPLATTER", true, 3, 256, Figures::Kept,
     Figures::Kept},
    {"noise", "NOISE", "NOISE", true, 0, 0, Figures::Cleared, Figures::Kept},
    {"silence", "NO SIGNAL", "NO SIGNAL", true, 0, 0, Figures::Cleared, Figures::Kept},
    {"silent", "QUORVANE NOT RESPONDING", "NOT RESPONDING", false, 0, 0, Figures::Cleared,
     Figures::Kept},
};

struct Labels {
    std::string rms, imd, peak, power, level;
};

Labels Read(const MainWindowHarness& h) {
    return {h.Label("rms"), h.Label("IMD"), h.Label("MaxVoltage"), h.Label("PowerEstimate"),
            h.Label("Level")};
}

bool Matches(const std::string& text, const char* pattern) {
    return std::regex_match(text, std::regex(pattern));
}

// One status-line figure after a cycle: in its format, empty, or as it was.
void ExpectFigure(Figures how, const std::string& now, const std::string& before,
                  const char* format) {
    if (how == Figures::Shown)
        EXPECT_TRUE(Matches(now, format)) << now;
    else
        EXPECT_EQ(now, how == Figures::Cleared ? "" : before);
}

TEST(DisplayTest, EachReplyShowsItsStatusTitleLightChartAndFigures) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    TMainForm& form = h.Form();
    TShowPowerForm& showPower = *h.Dialogs().ShowPowerForm;
    ASSERT_TRUE(h.Operate(MainFormProbe(form).ShowPower(), showPower,
                          [&] { showPower.ShowPowerCheckBox->setChecked(true); }));
    const std::string caption = form.windowTitle().toStdString();
    const std::string level = h.Label("Level");
    ASSERT_TRUE(Matches(level, R"(LEVEL:\d+%)")) << level;

    // Not minimized: the status word changes, the title does not.
    h.Meter().SetScenario("splatter");
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SPLATTER!");
    EXPECT_EQ(form.windowTitle().toStdString(), caption);

    form.setWindowState(Qt::WindowMinimized);
    ASSERT_EQ(MainFormProbe(form).Minimized(), 1);
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.scenario);
        const Labels before = Read(h);
        h.Meter().SetScenario(row.scenario);
        h.Cycle();
        const Labels after = Read(h);
        EXPECT_EQ(h.Splatter(), row.status);
        EXPECT_EQ(form.windowTitle().toStdString(), row.title);
        EXPECT_EQ(MainFormProbe(form).LedIcon()->Visible(), row.iconVisible);
        EXPECT_EQ(MainFormProbe(form).LedIcon()->IconIndex(), row.iconIndex);
        EXPECT_EQ(MainFormProbe(form).Chart()->PointCount(), row.chartPoints);
        EXPECT_EQ(after.level, level);
        ExpectFigure(row.rmsImd, after.rms, before.rms, R"(RMS:\d+\.\d\d%)");
        ExpectFigure(row.rmsImd, after.imd, before.imd, R"(IMD:-?\d+\.\ddb)");
        ExpectFigure(row.peakPower, after.peak, before.peak, R"(PEAK: \d\.\dV)");
        // At least four characters before the "W": small figures start with a blank.
        ExpectFigure(row.peakPower, after.power, before.power, R"([ \d]{2,}\.\dW)");
    }

    form.showNormal();
    EXPECT_EQ(MainFormProbe(form).Minimized(), 0);
    EXPECT_EQ(form.windowTitle().toStdString(), caption);
    EXPECT_TRUE(h.Messages().empty());
}

// The chart as painted at the window's designed size, looked at where its points land.
TEST(DisplayTest, ChartShowsMirroredLimeBarsUnderTheYellowArchOnBlack) {
    MainWindowHarness h({.settings = "[SCREEN PARMS]\r\nWidth=447\r\nHeight=328\r\n"});
    ASSERT_TRUE(h.Start());
    EnvelopeChart& chart = *h.Probe().Chart();
    // The designed window less the 37-pixel status line.
    ASSERT_EQ(chart.size(), QSize(447, 328 - 37));
    const QRgb black = qRgb(0, 0, 0), lime = qRgb(0, 255, 0), yellow = qRgb(255, 255, 0),
               axisGrey = QColor(Qt::gray).rgb();
    // A steep stretch of the arch crosses this many rows within one column.
    constexpr int kSteepRows = 10;

    for (const char* scenario : {"clean", "splatter", "underdriven", "silence"}) {
        SCOPED_TRACE(scenario);
        h.Meter().SetScenario(scenario);
        h.Cycle();
        const QImage image = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect area = chart.PlotArea();
        const auto column = [&](double x) { return int(chart.ToPixel({x, 0}).x()); };
        const auto row = [&](double y) { return int(std::lround(chart.ToPixel({0, y}).y())); };

        // Only the chart's colours on the plot; label text below the axis exactly when there
        // are points to label.
        int foreign = 0, text = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (y <= area.bottom())
                    foreign += p != black && p != lime && p != yellow;
                else
                    text += p != black && p != axisGrey;
            }
        }
        EXPECT_EQ(foreign, 0);
        EXPECT_EQ(text > 0, chart.PointCount() > 0);
        EXPECT_EQ(image.pixel(area.topLeft()), black);
        EXPECT_EQ(chart.Series1.empty(), std::string(scenario) == "silence");

        // Each bar lime up from zero and as far down, at its own slot, except where the
        // arch crosses it.
        const int zero = row(0);
        for (size_t i = 0; i < chart.Series1.size(); ++i) {
            const PlotPoint& p = chart.Series1[i];
            const int height = zero - row(p.Y);
            const int arch =
                i < chart.Series3.size() ? std::abs(zero - row(chart.Series3[i].Y)) : -1;
            for (const int depth : {height / 4, height / 2, 3 * height / 4}) {
                if (depth < 1 || std::abs(depth - arch) <= kSteepRows) continue;
                EXPECT_EQ(image.pixel(column(p.X), zero - depth), lime) << p.X << " " << depth;
                EXPECT_EQ(image.pixel(column(p.X), zero + depth), lime) << p.X << " " << depth;
            }
        }
        // The arch yellow at its points, up and down.
        for (const auto* line : {&chart.Series3, &chart.Series4}) {
            for (const PlotPoint& p : *line) {
                const int x = column(p.X), y = row(p.Y);
                EXPECT_TRUE(image.pixel(x, y) == yellow || image.pixel(x, y - 1) == yellow) << p.X;
            }
        }
        if (std::string(scenario) != "clean") continue;
        // A clean frame's arch rides on the bar tops: from above, yellow comes first and the
        // bar right under it.
        for (const PlotPoint& p : chart.Series1) {
            const int x = column(p.X);
            int y = area.top();
            while (y < zero && image.pixel(x, y) == black) ++y;
            EXPECT_EQ(image.pixel(x, y), yellow) << p.X;
            const int arch = y;
            while (y < zero && image.pixel(x, y) == yellow) ++y;
            EXPECT_LE(y - arch, kSteepRows) << p.X;
            if (y < zero) {
                EXPECT_EQ(image.pixel(x, y), lime) << p.X;
            }
        }
    }
}

TEST(DisplayTest, TextModeListsTheFrameOverTheChartAndInTheLog) {
    MainWindowHarness h({.settings = "[MISC]\r\nDebug=1\r\n"});
    ASSERT_TRUE(h.Start());
    TMainForm& form = h.Form();
    h.Cycle();
    ASSERT_EQ(h.Splatter(), "SIGNAL OK");
    const Labels figures = Read(h);

    MainFormProbe(form).DataMode1()->trigger();
    ASSERT_TRUE(MainFormProbe(form).Memo1()->isVisible());
    EXPECT_TRUE(MainFormProbe(form).Chart()->isVisible());
    EXPECT_EQ(MainFormProbe(form).Memo1()->geometry(), MainFormProbe(form).Chart()->geometry());

    h.Cycle();
    const QStringList lines = MainFormProbe(form).Memo1()->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(lines[0], "Received bytes: 64");
    EXPECT_TRUE(lines[19].startsWith("RMS Value:     ")) << lines[19].toStdString();
    EXPECT_EQ(h.Splatter(), "TEXT MODE");
    // The log ends with the memo's lines, in order.
    const std::string memoAsLog = (lines.join("\r\n") + "\r\n").toStdString();
    const std::string log = h.LogText();
    ASSERT_GE(log.size(), memoAsLog.size());
    EXPECT_EQ(log.substr(log.size() - memoAsLog.size()), memoAsLog);
    // The graph's chart, light and figures stay as the last graph cycle left them.
    EXPECT_EQ(MainFormProbe(form).Chart()->PointCount(), 256);
    EXPECT_EQ(MainFormProbe(form).LedIcon()->IconIndex(), 2);
    EXPECT_EQ(Read(h).rms, figures.rms);

    // Identification text goes to the status line; the memo keeps the frame.
    h.Meter().SetScenario("idtext");
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "QUORVANE RF Meter Version 1.10");
    EXPECT_EQ(MainFormProbe(form).Memo1()->toPlainText().split('\n'), lines);

    // No reply: one line, and the status line keeps its text.
    h.Meter().SetScenario("silent");
    h.Cycle();
    EXPECT_EQ(MainFormProbe(form).Memo1()->toPlainText(), "No data received.");
    EXPECT_EQ(h.Splatter(), "QUORVANE RF Meter Version 1.10");

    MainFormProbe(form).DataMode1()->trigger();
    EXPECT_FALSE(MainFormProbe(form).Memo1()->isVisible());
    EXPECT_TRUE(MainFormProbe(form).Chart()->isVisible());
    h.Meter().SetScenario("underdriven");
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "UNDERDRIVING");
}

}  // namespace
