// The main window's audio: the level control against a private PulseAudio whose null sink
// is ALSA's "default" mixer, "Fake Data" frames that follow the mixer level, and a machine
// without any sound device.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QtTest/QTest>
#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "audio/usound.h"
#include "integration/app/AppTestSupport.h"
#include "measure/Analysis.h"
#include "measure/EnvelopeChart.h"
#include "meter-sim/MeterScenarios.h"
#include "platform/linux/AlsaMixer.h"
#include "support/SoundServer.h"
#include "support/alsa/AlsaTestConfig.h"

namespace {

// ---------------------------------------------------------------- a real sound server

constexpr double kDefaultGain = 5.0;

// The correction one frame of an emulator scenario asks for at the default gain.
int StepFor(const char* scenario) {
    BuildHarmonicTables();
    std::mt19937 random(1);
    const std::string frame =
        MeterDataReply(*MeterScenarioNamed(scenario), MeterIdentification("1.10"), random);
    return static_cast<int>(Analyze(frame, AnalysisSettings{}).ErrRms * kDefaultGain * 100.0);
}

// The sink, read back with pactl, has no Wave line, so the loop steps Master alone.
class RealSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        server_ = std::make_unique<SoundServer>(QUORVANE_SOUND_SERVER);
        if (!server_->running())
            GTEST_SKIP() << "no private PulseAudio here: " << server_->failure();
        alsa_ = AlsaTestConfig::Pulse();
        mixer_ = std::make_unique<AlsaMixer>();
        if (mixer_->getNumDevs() == 0)
            GTEST_SKIP() << "ALSA's pulse plugin is missing (Debian: libasound2-plugins)";
    }

    // The main window on the real mixer, the sink at `volume` % before anything starts.
    MainWindowHarness& Start(int volume, const std::string& settings,
                             MeterSim::Options meter = {}) {
        EXPECT_TRUE(server_->setSinkVolumePercent(volume));
        harness_ = std::make_unique<MainWindowHarness>(MainWindowHarness::Options{
            .meter = meter, .settings = settings, .mixerOverride = mixer_.get()});
        EXPECT_TRUE(harness_->Start());
        EXPECT_TRUE(harness_->Messages().empty()) << harness_->Messages()[0].message;
        return *harness_;
    }

    int Sink() const { return server_->sinkVolumePercent().value_or(-1); }

    std::unique_ptr<SoundServer> server_;
    std::unique_ptr<AlsaTestConfig> alsa_;
    std::unique_ptr<AlsaMixer> mixer_;
    std::unique_ptr<MainWindowHarness> harness_;  // last: it goes before the mixer it uses
};

TEST_F(RealSoundTest, AlcLowersOnSplatterRaisesOnUnderdrivingAndStopsAtTheAudioFloor) {
    const int splatter = StepFor("splatter");
    const int underdriven = StepFor("underdriven");
    ASSERT_GT(splatter, 0);
    ASSERT_GT(underdriven, 0);
    const int floor = 30;
    MainWindowHarness& h = Start(60, "[MISC]\r\nALC=1\r\nAudio Floor=30\r\n");
    EXPECT_EQ(h.Label("Level"), "LEVEL:36%");  // Master x "Wave", which is Master here

    int expected = 60;
    for (const char* scenario :
         {"splatter", "underdriven", "splatter", "splatter", "splatter", "splatter"}) {
        const bool up = scenario[0] == 'u';
        h.Meter().SetScenario(scenario);
        h.Cycle();
        expected = std::clamp(expected + (up ? underdriven : -splatter), floor, 100);
        EXPECT_EQ(h.Splatter(), up ? "UNDERDRIVING" : "SPLATTER!");
        EXPECT_EQ(Sink(), expected) << scenario;
        EXPECT_EQ(h.Label("Level"), "LEVEL:" + std::to_string(expected * expected / 100) + "%");
    }
    EXPECT_EQ(expected, floor) << "the splatter steps never reached the floor";
}

TEST_F(RealSoundTest, OverPowerTakesAPointPerCycleAndCleanCyclesCreepUpOneInTwentyFive) {
    // The clean frame peaks at 200 counts, 3.9 V.
    MainWindowHarness& h = Start(
        60, "[MISC]\r\nALC=1\r\n[POWER LIMITS]\r\nMaximum Volts=3.0\r\nPower Limit Enabled=1\r\n");
    TMainForm& form = h.Form();
    h.Cycle(2);
    EXPECT_EQ(h.Splatter(), "OVER POWER");
    EXPECT_EQ(Sink(), 58);
    EXPECT_EQ(form.Graph().LevelCreepCounter(), 0) << "cycles above the limit do not count";

    MainFormProbe(form).Settings_().PowerLimitEnabled = false;
    h.Cycle(24);
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    EXPECT_EQ(Sink(), 58);
    h.Cycle();
    EXPECT_EQ(Sink(), 59);
    EXPECT_EQ(form.Graph().LevelCreepCounter(), 0);
}

// The emulated transmitter follows the sink: too loud flattens its arch, and the loop has
// to bring the level down into the clean range and keep it there.
TEST_F(RealSoundTest, ClosedLoopSettlesFromSplatterOnSignalOk) {
    // The sink is polled well inside the flush read before each command.
    MainWindowHarness& h = Start(95, "[MISC]\r\nALC=1\r\nRefresh Rate=500\r\n",
                                 {.followSink = server_->sink(), .sinkPollMs = 100});

    std::string trace = std::to_string(Sink());
    int cycles = 0;
    while (cycles < 10 && h.Splatter() != "SIGNAL OK") {
        h.Cycle();
        EXPECT_TRUE(++cycles > 1 || h.Splatter() == "SPLATTER!") << h.Splatter();
        trace += " " + std::to_string(Sink());
    }
    ASSERT_EQ(h.Splatter(), "SIGNAL OK") << "sink volumes: " << trace;

    const int settled = Sink();
    for (int i = 0; i < 5; ++i) {
        h.Cycle();
        EXPECT_EQ(h.Splatter(), "SIGNAL OK");
        EXPECT_NEAR(Sink(), settled, 2);
    }
}

// ---------------------------------------------------------------- simulated frames

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

// "Fake Data" is read after start-up's identification exchange, so the status line first
// shows what the meter said.
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
        ASSERT_TRUE(h.Operate(h.Probe().About1(), about, [&] {
            firmwareLine = about.FirmwareInfoLabel->text().toStdString();
        }));
        h.Probe().Timer1()->stop();
        EXPECT_EQ(firmwareLine, "Firmware: Simulated Mode");
        EXPECT_EQ(h.Meter().CommandCount('v'), 1);
    }
}

std::vector<double> Envelope(MainWindowHarness& h) {
    std::vector<double> samples;
    for (const PlotPoint& bar : h.Probe().Chart()->Series1) samples.push_back(bar.Y);
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

// ---------------------------------------------------------------- no sound device

// The messages from `first` on are all the missing-device error.
void ExpectOnlyNoDeviceErrors(const MainWindowHarness& h, size_t first, size_t count) {
    ASSERT_EQ(h.Messages().size(), first + count);
    for (size_t i = first; i < h.Messages().size(); ++i)
        ExpectMessage(h.Messages()[i], "Sound Card error", "!",
                      "A problem was encountered with the sound card:;;Specified device "
                      "identifier is out of range.");
}

// Start-up reports the missing mixer twice, then everything runs at level 0 without
// touching a mixer.
TEST(NoSoundDeviceTest, StartReportsTwiceThenTheProgramRunsAtLevelZero) {
    MainWindowHarness h(
        {.meter = {.scenario = "splatter"}, .mixer = {}, .settings = "[MISC]\r\nALC=1\r\n"});
    ASSERT_TRUE(h.Start());
    ExpectOnlyNoDeviceErrors(h, 0, 2);
    EXPECT_EQ(h.Label("Level"), "LEVEL:0%");

    h.Cycle(3);
    EXPECT_EQ(h.Splatter(), "SPLATTER!");
    EXPECT_EQ(h.Label("Level"), "LEVEL:0%");
    EXPECT_EQ(h.Messages().size(), 2u) << "level steps on no mixer stay silent";

    TTestSoundCardForm& test = *h.Dialogs().TestSoundCardForm;
    ASSERT_TRUE(h.Operate(h.Probe().TestSoundCard(), test, [&] {
        EXPECT_EQ(test.tbMaster->value(), 0);
        EXPECT_EQ(test.tbWave->value(), 0);
        QTest::keyClick(test.tbMaster, Qt::Key_Right);
    }));
    EXPECT_EQ(h.Messages().size(), 2u);

    // The list is empty; the name of the card in use fails once, and the mixer object
    // rebuilt on closing reports its own two errors.
    TSoundCardForm& card = *h.Dialogs().SoundCardForm;
    ASSERT_TRUE(
        h.Operate(h.Probe().SetSoundCard(), card, [&] { EXPECT_EQ(card.ComboBox1->count(), 0); }));
    EXPECT_EQ(h.Probe().Settings_().SoundCard, 0);
    ExpectOnlyNoDeviceErrors(h, 2, 3);

    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SPLATTER!");
    EXPECT_EQ(h.Label("Level"), "LEVEL:0%");
}

}  // namespace
