// The main window following the rig: against Hamlib's own rigctld with its dummy rig (keyed,
// tuned and killed by the test as a modem program and an operator would), and against
// tools/rig-sim for the meters the dummy rig reads as 0.

#include <cstdio>
#include <fstream>

#include <gtest/gtest.h>

#include "audio/LevelControl.h"
#include "audio/MixerInventory.h"
#include "rig/RigFollow.h"
#include "support/ServerProcess.h"
#include "support/app/MainWindowHarness.h"

namespace {

std::string Following(int port) {
    return "[MISC]\r\nALC=1\r\n[RIG]\r\nFollow=1\r\nPort=" + std::to_string(port) + "\r\n";
}

// The dummy rig's transmit state gates the level control, its frequency shows in the mode
// field, a killed rigctld shows "RIG?" and one restarted on its port is found again; a level
// kept on a band comes back when the rig returns to it.
TEST(RigFollowTest, FollowsRigctldsDummyRig) {
    MainWindowHarness h({});
    ServerProcess rig({"rigctld", "-m", "1", "-P", "RIG", "-t"});
    const auto set = [&rig](const char* line) { ASSERT_EQ(rig.Ask(line), "RPRT 0"); };
    rig.Start();
    set("F 14070000");
    h.Meter().SetScenario("splatter");
    h.Home().WriteSettings(Following(rig.port));
    ASSERT_TRUE(h.Start());
    MixerInventory& mixer = *h.Probe().Inventory();
    const int splatterLevel = MixerLevel(mixer);
    h.FollowingCycles(3);
    EXPECT_EQ(MixerLevel(mixer), splatterLevel) << "the level control stepped while receiving";
    set("T 1");
    h.FollowingCycles(2);
    EXPECT_LT(MixerLevel(mixer), splatterLevel) << "no cut while the rig sent";
    rig.Kill();
    h.FollowingCycles(2);
    EXPECT_EQ(std::tuple(h.StatusWord(), h.Label("mode")), std::tuple("RIG?", "PSK31"));
    rig.Start();  // a new dummy rig on the same port, receiving on 145 MHz
    // Found again at its next try; a cycle's word follows the first answer it has.
    for (int cycle = 0; cycle < 10 && h.StatusWord() != "SPLATTER!"; ++cycle) h.FollowingCycles(1);
    EXPECT_EQ(std::tuple(h.StatusWord(), h.Label("mode")),
              std::tuple("SPLATTER!", "PSK31  145.000 FM"));

    h.Meter().SetScenario("clean");
    set("F 14070000");
    set("T 1");
    h.FollowingCycles(BandLevelKeeper::kHoldCycles + 1);
    const std::string kept = h.Saved("LEVELS", "20m-FM");
    ASSERT_EQ(kept, std::to_string(mixer.GetMasterVolume()));
    set("F 7074000");
    h.FollowingCycles(1);
    mixer.SetMasterVolume(std::stoi(kept) - 20);  // on 40m, where no level is kept
    set("F 14074000");
    h.FollowingCycles(2);
    EXPECT_EQ(mixer.GetMasterVolume(), std::stoi(kept));
}

// rig-sim's scripted meters: shown while sending, "HIGH SWR" above the alert in place of the
// status word, "RIG ALC" on splatter, the history's rig columns filled; a rigctld that stops
// answering shows "RIG?".
TEST(RigFollowTest, ShowsAndRecordsTheRigsMeters) {
    MainWindowHarness h({});
    const std::string state = h.Home().Root() + "/rig";
    const auto set = [&state](const char* text) {  // whole, as rig-sim reads it at any time
        std::ofstream(state + ".new") << text;
        std::rename((state + ".new").c_str(), state.c_str());
    };
    set("PTT 1\nFREQ 14070000\nMODE PKTUSB\nALC 0.4\nSWR 3.1\nRFPOWER_METER_WATTS 25\n");
    ServerProcess rig({QUORVANE_RIG_SIM, "--state", state, "--port"});
    rig.Start();
    h.Home().WriteSettings(Following(rig.port) + "[HISTORY]\r\nLog=1\r\nFile=history.csv\r\n");
    ASSERT_TRUE(h.Start());
    h.FollowingCycles(2);
    const auto shown = [&h] { return std::tuple(h.StatusWord(), h.Label("rigMeters")); };
    EXPECT_EQ(shown(), std::tuple("HIGH SWR", "ALC 40%  SWR 3.1  25 W"));
    const std::string csv = FileText(h.WorkDir() + "/history.csv");
    EXPECT_TRUE(csv.ends_with(",14.070000,PKTUSB,40,3.10,25.0\n")) << csv;

    set("PTT 1\nALC 0.2\nSWR 1.4\n");
    h.Meter().SetScenario("splatter");
    h.FollowingCycles(2);
    EXPECT_EQ(shown(), std::tuple("SPLATTER!", "RIG ALC  ALC 20%  SWR 1.4"));
    set("PTT 0\nSWR 9\n");
    h.FollowingCycles(2);
    EXPECT_EQ(h.Label("rigMeters"), "");
    set("SILENT 1\n");
    h.FollowingCycles(2);
    EXPECT_EQ(h.StatusWord(), "RIG?");
}

}  // namespace
