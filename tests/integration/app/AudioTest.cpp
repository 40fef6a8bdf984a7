// The main window's audio: the level control against a private PulseAudio whose null sink
// is ALSA's "default" mixer, and "Fake Data" frames in place of the meter's.

#include <gtest/gtest.h>

#include <QLabel>
#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "integration/app/AppTestSupport.h"
#include "measure/Analysis.h"
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
        if (!server_->Running())
            GTEST_SKIP() << "no private PulseAudio here: " << server_->Failure();
        alsa_ = AlsaTestConfig::Pulse();
        mixer_ = std::make_unique<AlsaMixer>();
        if (mixer_->GetNumDevs() == 0)
            GTEST_SKIP() << "ALSA's pulse plugin is missing (Debian: libasound2-plugins)";
    }

    // The main window on the real mixer, the sink at `volume` % before anything starts.
    MainWindowHarness& Start(int volume, const std::string& settings,
                             MeterSim::Options meter = {}) {
        EXPECT_TRUE(server_->SetSinkVolumePercent(volume));
        harness_ = std::make_unique<MainWindowHarness>(MainWindowHarness::Options{
            .meter = meter, .settings = settings, .mixerOverride = mixer_.get()});
        EXPECT_TRUE(harness_->Start());
        EXPECT_TRUE(harness_->Messages().empty()) << harness_->Messages()[0].message;
        return *harness_;
    }

    int Sink() const { return server_->SinkVolumePercent().value_or(-1); }

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

// The emulated transmitter follows the sink: too loud flattens its arch, and the loop has
// to bring the level down into the clean range and keep it there.
TEST_F(RealSoundTest, ClosedLoopSettlesFromSplatterOnSignalOk) {
    // The sink is polled well inside the flush read before each command.
    MainWindowHarness& h = Start(95, "[MISC]\r\nALC=1\r\nRefresh Rate=500\r\n",
                                 {.followSink = server_->Sink(), .sinkPollMs = 100});

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

}  // namespace
