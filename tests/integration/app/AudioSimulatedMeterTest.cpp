// "Fake Data": simulated frames whose arch follows the mixer level. The setting is read after
// start-up's identification exchange, so the status line first shows what the meter said.

#include <gtest/gtest.h>

#include <QLabel>
#include <QtCharts/QBarSet>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "audio/usound.h"
#include "measure/EnvelopeChart.h"
#include "support/app/MainWindowHarness.h"

namespace {

// The program does not wait for a reply to a simulated frame's command, so the emulator
// may log it a moment after the cycle; wait for it (bounded, no timing asserted).
int CommandsOnceLogged(const MeterSim& meter, char command, int expected) {
    int seen = meter.CommandCount(command);
    for (int i = 0; i < 100 && seen < expected; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        seen = meter.CommandCount(command);
    }
    return seen;
}

TEST(SimulatedMeterTest, StatusShowsTheMeterThenFramesAreSimulated) {
    for (const bool answersV : {true, false}) {
        SCOPED_TRACE(answersV ? "answering" : "silent");
        // A frame read from the port would be missing.
        MainWindowHarness h({.meter = {.scenario = "silent", .answerIdentification = answersV},
                             .settings = "[MISC]\r\nFake Data=1\r\n"});
        ASSERT_TRUE(h.Start());
        EXPECT_EQ(h.Splatter(),
                  answersV ? "QUORVANE RF Meter Version 1.10" : "QUORVANE firmware not detected");
        EXPECT_EQ(h.Meter().CommandCount('v'), 1);

        h.Cycle(2);
        EXPECT_EQ(h.Splatter(), "SIGNAL OK");  // the harness mixer's 60 % clips only a little
        EXPECT_EQ(CommandsOnceLogged(h.Meter(), 's', 2), 2);
        EXPECT_EQ(h.Meter().CommandCount('v'), 1);

        TAboutForm& about = *h.Dialogs().AboutForm;
        std::string firmwareLine;
        ASSERT_TRUE(h.Operate(h.Form().About1, about, [&] {
            firmwareLine = about.FirmwareInfoLabel->text().toStdString();
        }));
        h.Form().Timer1->stop();
        EXPECT_EQ(firmwareLine, "Firmware: Simulated Mode");
        EXPECT_EQ(h.Meter().CommandCount('v'), 1);
    }
}

std::vector<double> Envelope(MainWindowHarness& h) {
    std::vector<double> samples;
    QBarSet* bars = h.Form().Chart->Series1;
    for (int i = 0; i < bars->count(); ++i) samples.push_back(bars->at(i));
    return samples;
}

TEST(SimulatedMeterTest, WithoutNoiseTheFrameRepeatsAndTheArchFollowsTheMixer) {
    MainWindowHarness h({.settings = "[MISC]\r\nFake Data=1\r\nNoise Floor=0\r\n"});
    ASSERT_TRUE(h.Start());

    // Level = Master x Wave / 100; the arch is 240 counts high, cut at 220 up to 60 % and
    // lower above, divided down below 40 %; a level of 0 leaves ones only.
    struct Level {
        int master, wave;
        const char* level;
        const char* status;
        const char* peak;  // empty: not shown for this state
    };
    for (const Level& l : {Level{75, 80, "LEVEL:60%", "SIGNAL OK", "PEAK: 4.3V"},
                           Level{50, 50, "LEVEL:25%", "SIGNAL OK", "PEAK: 1.1V"},
                           Level{100, 100, "LEVEL:100%", "SPLATTER!", "PEAK: 3.5V"},
                           Level{0, 0, "", "NO SIGNAL", ""}}) {
        SCOPED_TRACE(l.level);
        h.Mixer().Value(0, 0) = PercentToRaw(l.master);
        h.Mixer().Value(0, 0, 0) = PercentToRaw(l.wave);
        h.Cycle();
        EXPECT_EQ(h.Splatter(), l.status);
        if (*l.peak) {
            EXPECT_EQ(h.Label("MaxVoltage"), l.peak);
            EXPECT_EQ(h.Label("Level"), l.level);
        }
        const std::vector<double> first = Envelope(h);
        const std::string figures = h.Label("rms") + h.Label("IMD");
        h.Cycle();
        EXPECT_EQ(Envelope(h), first);
        EXPECT_EQ(h.Label("rms") + h.Label("IMD"), figures);
    }
}

}  // namespace
