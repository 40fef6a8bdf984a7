// The level control against a private PulseAudio whose null sink is ALSA's "default" mixer,
// read back with pactl. It has no Wave line, so the loop steps Master, the sink, alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>

#include "measure/Analysis.h"
#include "meter-sim/MeterScenarios.h"
#include "platform/linux/AlsaMixer.h"
#include "support/SoundServer.h"
#include "support/alsa/AlsaTestConfig.h"
#include "support/app/MainWindowHarness.h"

namespace {

constexpr double kDefaultGain = 5.0;

// The correction one frame of an emulator scenario asks for at the default gain.
int StepFor(const char* scenario) {
    BuildHarmonicTables();
    std::mt19937 random(1);
    const std::string frame =
        MeterDataReply(*MeterScenarioNamed(scenario), MeterIdentification("1.10"), random);
    return static_cast<int>(Analyze(frame, AnalysisSettings{}).ErrRms * kDefaultGain * 100.0);
}

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

TEST_F(RealSoundTest, AlcOffLeavesTheSinkAloneWhileSplatterArrives) {
    MainWindowHarness& h = Start(60, "[MISC]\r\nALC=0\r\n", {.scenario = "splatter"});
    EXPECT_EQ(h.Label("Level"), "LEVEL:36%");  // Master x "Wave", which is Master here
    h.Cycle(2);
    EXPECT_EQ(h.Splatter(), "SPLATTER!");
    EXPECT_EQ(Sink(), 60);
    EXPECT_EQ(h.Label("Level"), "LEVEL:36%");
}

TEST_F(RealSoundTest, AlcLowersOnSplatterRaisesOnUnderdrivingAndStopsAtTheAudioFloor) {
    const int splatter = StepFor("splatter");
    const int underdriven = StepFor("underdriven");
    ASSERT_GT(splatter, 0);
    ASSERT_GT(underdriven, 0);
    const int floor = 30;
    MainWindowHarness& h = Start(60, "[MISC]\r\nALC=1\r\nAudio Floor=30\r\n");

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

    form.Settings_.PowerLimitEnabled = false;
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
    std::cout << "closed loop: SIGNAL OK after " << cycles << " cycles; sink volumes " << trace
              << "\n";
    RecordProperty("CyclesToSignalOk", cycles);

    const int settled = Sink();
    for (int i = 0; i < 5; ++i) {
        h.Cycle();
        EXPECT_EQ(h.Splatter(), "SIGNAL OK");
        EXPECT_NEAR(Sink(), settled, 2);
    }
}

}  // namespace
