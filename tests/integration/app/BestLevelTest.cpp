// The best-level sweep end to end: the real main window moves a private sound server's output,
// the emulated transmitter follows that output's volume, and the level found is compared with
// the transmitter model's own answer.

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include <gtest/gtest.h>

#include "dialogs/BestLevelWindow.h"
#include "measure/SweepChart.h"
#include "meter-sim/SinkFollower.h"
#include "platform/EndpointMixer.h"
#include "platform/linux/PulseOutputs.h"
#include "support/ServerProcess.h"
#include "support/SoundServer.h"
#include "support/TransmitterModel.h"
#include "support/app/MainWindowHarness.h"

namespace {

constexpr int kStartLevel = 50;

struct SweepRig {
    explicit SweepRig(int knee, const std::string& extraSettings = "")
        : server({"radio=USB Audio CODEC (radio)"}),
          harness({.settings = "[MISC]\nSound Card=0\n" + extraSettings,
                   .realMixer = &sinks,
                   .meter = {.followSink = "radio", .knee = knee}}) {
        server.Pactl("set-sink-volume radio " + std::to_string(kStartLevel) + "%");
    }

    // Starts the main window and opens the best-level window from its menu.
    BestLevelWindow& Open() {
        if (!harness.Start()) throw std::runtime_error("the main window did not start");
        harness.Command("findBestLevel")->trigger();
        auto* window = harness.Form().findChild<BestLevelWindow*>();
        if (!window) throw std::runtime_error("no best-level window");
        return *window;
    }

    // Cycles at the pace the emulator follows its sink, until `done` or a bound.
    void CycleUntil(const std::function<bool()>& done, int limit = 200) {
        for (int i = 0; i < limit && !done(); ++i) {
            QTest::qWait(120);  // the rig link, where followed, answers meanwhile
            harness.Cycle();
        }
    }
    // Starts a sweep and runs it to its end.
    void Sweep(BestLevelWindow& window) {
        window.startButton->click();
        CycleUntil([&] { return window.startButton->isEnabled(); });
    }
    int Volume() const { return server.Volume("radio").value_or(-1); }

    SoundServer server;
    EndpointMixer sinks{std::make_unique<PulseOutputs>()};
    MainWindowHarness harness;
};

// For two knees the sweep lands within three points of the highest level at which the model
// meets the target, tries that level out, and leaves it there on "Use this level"; "Keep the
// old level" puts the starting volume back; closing the window then changes neither. The
// result is kept for the output.
TEST(BestLevelTest, FindsTheModelsKneeAndLeavesTheChosenLevel) {
    for (const int knee : {40, 80}) {
        SCOPED_TRACE(knee);
        SweepRig rig(knee);
        BestLevelWindow& window = rig.Open();
        rig.Sweep(window);
        const std::string result = window.resultLabel->text().toStdString();
        ASSERT_TRUE(window.useButton->isEnabled()) << result;
        EXPECT_NEAR(rig.Volume(), HighestCleanLevel(knee, -22), 3) << result;
        const int found = rig.Volume();
        if (knee == 40) {
            window.useButton->click();
            EXPECT_EQ(rig.Volume(), found);
        } else {
            window.keepButton->click();
            EXPECT_EQ(rig.Volume(), kStartLevel);
        }
        const int chosen = rig.Volume();
        window.close();  // the choice made stays
        EXPECT_EQ(rig.Volume(), chosen);
        EXPECT_EQ(rig.harness.Saved("BEST LEVEL", "USB Audio CODEC (radio)")
                      .substr(0, std::to_string(found).size() + 1),
                  std::to_string(found) + " ");
    }
}

// Cancel, an unplugged meter and the end of the program each stop a sweep under way and put
// the starting volume back.
TEST(BestLevelTest, EveryInterruptionRestoresTheStartingLevel) {
    SweepRig rig(80);
    BestLevelWindow& window = rig.Open();
    const auto midSweep = [&] {
        window.startButton->click();
        rig.CycleUntil([&] { return window.chart->Steps().size() >= 3; });
        ASSERT_TRUE(window.cancelButton->isEnabled());
        EXPECT_NE(rig.Volume(), kStartLevel);
    };
    midSweep();
    window.cancelButton->click();
    EXPECT_EQ(rig.Volume(), kStartLevel);

    midSweep();
    rig.harness.Meter().Plug(false);
    rig.CycleUntil([&] { return window.startButton->isEnabled(); }, 10);
    EXPECT_EQ(rig.Volume(), kStartLevel);
    rig.harness.Meter().Plug(true);
    for (int tries = 0; tries < 50 && rig.harness.StatusWord() != "SIGNAL OK"; ++tries) {
        // Polling starts again once the retry has found the meter.
        if (!rig.harness.Form().PollTimer()->isActive()) rig.harness.Form().ReconnectTick();
        rig.CycleUntil([] { return false; }, 1);
    }
    ASSERT_EQ(rig.harness.StatusWord(), "SIGNAL OK");

    midSweep();
    rig.harness.Shutdown();
    EXPECT_EQ(rig.Volume(), kStartLevel);
}

// A power limit below the knee's power caps the result below the limit's peak voltage. Following
// a rig, the result is kept for its band and mode too.
TEST(BestLevelTest, RespectsThePowerLimit) {
    constexpr double kLimitVolts = 2.5;
    ServerProcess radio({QUORVANE_RIG_SIM, "--state", "/nonexistent", "--port"});  // 20m USB
    radio.Start();
    SweepRig rig(
        80, "[POWER LIMITS]\nPower Limit Enabled=1\nMaximum Volts=2.5\n[RIG]\nFollow=1\nPort=" +
                std::to_string(radio.port) + "\n");
    BestLevelWindow& window = rig.Open();
    rig.Sweep(window);
    ASSERT_TRUE(window.useButton->isEnabled()) << window.resultLabel->text().toStdString();
    const int found = rig.Volume();
    EXPECT_LT(found, HighestCleanLevel(80, -22));
    EXPECT_LE(ModelPeakVolts(found, 80), kLimitVolts);
    EXPECT_EQ(rig.harness.Saved("LEVELS", "20m-USB"), std::to_string(found));
}

}  // namespace
