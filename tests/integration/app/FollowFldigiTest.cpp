// "Follow fldigi" end to end: the real main window against the meter emulator, asking
// tools/fldigi-sim over real HTTP while a script switches its modem and transmit state.

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <fstream>
#include <utility>

#include "audio/LevelControl.h"
#include "fldigi/FldigiLink.h"
#include "support/Process.h"
#include "support/app/MainWindowHarness.h"

namespace fs = std::filesystem;

namespace {

// The stand-in fldigi, its state file and the port it took in a folder of its own.
struct FldigiSim {
    FldigiSim() { Start(0); }
    ~FldigiSim() {
        Kill();
        fs::remove_all(dir);
    }
    void Set(const std::string& state) {
        std::ofstream(dir + "/state.new") << state << '\n';
        fs::rename(dir + "/state.new", dir + "/state");
    }
    void Start(int asked) {
        fs::remove(dir + "/ready");
        pid = Spawn({QUORVANE_FLDIGI_SIM, "--port", std::to_string(asked), "--state",
                     dir + "/state", "--ready", dir + "/ready"},
                    [](posix_spawn_file_actions_t*) {});
        for (int polls = 0; polls < 3000 && !fs::exists(dir + "/ready"); ++polls) ::usleep(10'000);
        std::ifstream(dir + "/ready") >> port;
    }
    void Kill() { EndChild(std::exchange(pid, -1), SIGKILL); }

    std::string dir = mkdtemp((fs::temp_directory_path() / "fldigi-sim-XXXXXX").string().data());
    pid_t pid = -1;
    int port = 0;
};

// Cycles with the message loop running in between until each poll has its answer.
void Cycles(MainWindowHarness& h, int count) {
    for (int i = 0; i < count; ++i) {
        h.Cycle();
        for (int waits = 0; waits < 500 && h.Probe().Fldigi()->InFlight(); ++waits)
            QTest::qWait(10);
    }
}

TEST(FollowFldigiTest, ModeNoteLevelHoldAndReconnect) {
    FldigiSim fldigi;  // BPSK31 RX until set
    MainWindowHarness h({.meter = {.scenario = "splatter"},
                         .settings = "[MISC]\r\nALC=1\r\n[FLDIGI]\r\nFollow=1\r\nPort=" +
                                     std::to_string(fldigi.port) + "\r\n"});
    ASSERT_TRUE(h.Start());
    const auto level = [&h] { return MixerLevel(*h.Probe().VolumeControl()); };
    const int splatterLevel = level();
    const auto follow = [&](const char* state) {
        fldigi.Set(state);
        Cycles(h, 2);
    };
    Cycles(h, 1);
    follow("BPSK63 RX");
    EXPECT_EQ(h.Meter().CommandCount('S'), 1);
    EXPECT_EQ(h.Form().windowTitle().toStdString(), "PSK63 RF Monitoring on COM1");
    EXPECT_EQ(level(), splatterLevel) << "the level control stepped while fldigi received";
    follow("BPSK63 TX");
    EXPECT_LT(level(), splatterLevel) << "no cut while fldigi sent";
    follow("RTTY TX");
    EXPECT_EQ(h.Splatter(), "NOT PSK");
    follow("SILENT");  // every poll runs into its time-out
    EXPECT_EQ(h.Splatter(), "FLDIGI?");

    fldigi.Kill();
    Cycles(h, 2);
    EXPECT_EQ(h.Splatter(), "FLDIGI?");
    fldigi.Start(fldigi.port);  // the port it had
    follow("BPSK31 TX");
    EXPECT_EQ(h.Splatter(), "SPLATTER!");
    EXPECT_EQ(h.Form().windowTitle().toStdString(), "PSK31 RF Monitoring on COM1");
}

}  // namespace
