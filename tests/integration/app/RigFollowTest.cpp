// The main window following the rig: against Hamlib's own rigctld with its dummy rig (keyed,
// tuned and killed by the test as a modem program and an operator would), and against
// tools/rig-sim for the meters the dummy rig reads as 0.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <QTcpServer>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <utility>

#include <gtest/gtest.h>

#include "audio/LevelControl.h"
#include "audio/MixerInventory.h"
#include "desktop/TrayIcon.h"
#include "rig/RigLink.h"
#include "support/Process.h"
#include "support/app/MainWindowHarness.h"

namespace fs = std::filesystem;

namespace {

int FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// One command on a connection of its own, as a second client of rigctld; its answer line,
// empty when nothing listens.
std::string AskRig(int port, const std::string& command) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string answer;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const std::string line = command + "\n";
        char c = 0;
        if (::write(fd, line.data(), line.size()) == ssize_t(line.size()))
            while (::read(fd, &c, 1) == 1 && c != '\n') answer += c;
    }
    ::close(fd);
    return answer;
}

// Hamlib's rigctld with the dummy rig (PTT by the rig: a client's "T 1" keys it) on `port`.
struct Rigctld {
    explicit Rigctld(int on) : port(on) { Start(); }
    ~Rigctld() { Kill(); }
    void Start() {
        pid = Spawn({"rigctld", "-m", "1", "-P", "RIG", "-t", std::to_string(port)},
                    [](posix_spawn_file_actions_t* actions) {
                        posix_spawn_file_actions_addopen(actions, 2, "/dev/null", O_WRONLY, 0);
                    });
        for (int tries = 0; tries < 500 && AskRig(port, "t").empty(); ++tries) ::usleep(10'000);
    }
    void Kill() { EndChild(std::exchange(pid, -1), SIGKILL); }
    void Set(const std::string& command) { ASSERT_EQ(AskRig(port, command), "RPRT 0"); }
    const int port;
    pid_t pid = -1;
};

// tools/rig-sim answering from its state file in `dir`.
struct RigSim {
    explicit RigSim(const std::string& folder) : dir(folder) {
        Set("PTT 1\nFREQ 14070000\nMODE PKTUSB\nALC 0.4\nSWR 3.1\nRFPOWER_METER_WATTS 25\n");
        pid = Spawn({QUORVANE_RIG_SIM, "--port", "0", "--state", dir + "/rig", "--ready",
                     dir + "/rig-ready"},
                    [](posix_spawn_file_actions_t*) {});
        for (int polls = 0; polls < 3000 && !fs::exists(dir + "/rig-ready"); ++polls)
            ::usleep(10'000);
        std::ifstream(dir + "/rig-ready") >> port;
    }
    ~RigSim() { EndChild(pid, SIGKILL); }
    void Set(const std::string& state) {
        std::ofstream(dir + "/rig.new") << state;
        fs::rename(dir + "/rig.new", dir + "/rig");
    }
    const std::string dir;
    pid_t pid = -1;
    int port = 0;
};

std::string Following(int port, const std::string& more = "") {
    return "[MISC]\r\nALC=1\r\n[RIG]\r\nFollow=1\r\nPort=" + std::to_string(port) + "\r\n" + more;
}

// Cycles with the message loop running in between until each poll has its answer.
void Cycles(MainWindowHarness& h, int count) {
    for (int i = 0; i < count; ++i) {
        h.Cycle();
        for (int waits = 0; waits < 500 && h.Probe().Rig()->InFlight(); ++waits) QTest::qWait(10);
    }
}

// The dummy rig's transmit state gates the level control, its frequency shows in the mode
// field, a killed rigctld shows "RIG?" and one restarted on its port is found again; a level
// kept on a band comes back when the rig returns to it.
TEST(RigFollowTest, FollowsRigctldsDummyRig) {
    MainWindowHarness h({});
    Rigctld rig(FreePort());
    rig.Set("F 14070000");
    h.Meter().SetScenario("splatter");
    h.Home().WriteSettings(Following(rig.port));
    ASSERT_TRUE(h.Start());
    const auto level = [&h] { return MixerLevel(*h.Probe().Inventory()); };
    const int splatterLevel = level();
    Cycles(h, 3);
    EXPECT_EQ(level(), splatterLevel) << "the level control stepped while the rig received";
    EXPECT_EQ(h.Label("mode"), "PSK31  14.070 FM");
    EXPECT_EQ(h.StatusWord(), "SPLATTER!");
    rig.Set("T 1");
    Cycles(h, 2);
    EXPECT_LT(level(), splatterLevel) << "no cut while the rig sent";

    rig.Kill();
    Cycles(h, 2);
    EXPECT_EQ(h.StatusWord(), "RIG?");
    EXPECT_EQ(h.Label("mode"), "PSK31");
    rig.Start();  // on the port it had, as a new dummy rig: receiving on 145 MHz
    Cycles(h, 2);
    EXPECT_EQ(h.StatusWord(), "SPLATTER!");
    EXPECT_EQ(h.Label("mode"), "PSK31  145.000 FM");

    // A clean signal held while sending keeps its level for the band; another band leaves the
    // level alone, and the return to the first brings the kept level back.
    h.Meter().SetScenario("clean");
    rig.Set("F 14070000");
    rig.Set("T 1");
    Cycles(h, BandLevelKeeper::kHoldCycles + 1);
    MixerInventory& mixer = *h.Probe().Inventory();
    const std::string kept = h.Saved("LEVELS", "20m-FM");
    ASSERT_EQ(kept, std::to_string(mixer.GetMasterVolume()));
    rig.Set("F 7074000");
    Cycles(h, 1);
    mixer.SetMasterVolume(std::stoi(kept) - 20);
    Cycles(h, 1);
    EXPECT_EQ(mixer.GetMasterVolume(), std::stoi(kept) - 20);
    EXPECT_EQ(h.Saved("LEVELS", "20m-FM"), kept);
    rig.Set("F 14074000");
    Cycles(h, 1);
    EXPECT_EQ(mixer.GetMasterVolume(), std::stoi(kept));
}

// rig-sim's scripted meters: shown while sending, "HIGH SWR" above the alert in place of the
// status word and in the tray light's tip, "RIG ALC" on splatter, the history's rig columns
// filled; a rigctld that stops answering shows "RIG?".
TEST(RigFollowTest, ShowsAndRecordsTheRigsMeters) {
    MainWindowHarness h({});
    RigSim rig(h.Home().Root());
    h.Home().WriteSettings(Following(rig.port, "[HISTORY]\r\nLog=1\r\nFile=history.csv\r\n"));
    ASSERT_TRUE(h.Start());
    Cycles(h, 2);
    EXPECT_EQ(h.StatusWord(), "HIGH SWR");
    EXPECT_EQ(h.Probe().TrayLight()->Hint(), "Quorvane: HIGH SWR");
    EXPECT_EQ(h.Label("rigMeters"), "ALC 40%  SWR 3.1  25 W");
    std::ifstream csv(h.WorkDir() + "/history.csv");
    std::string header, first, last;
    std::getline(csv, header);
    std::getline(csv, first);  // before the rig's first answer
    std::getline(csv, last);
    EXPECT_TRUE(
        header.ends_with(",level_percent,rig_mhz,rig_mode,rig_alc_percent,rig_swr,rig_watts"));
    EXPECT_TRUE(first.ends_with(",,,,,")) << first;
    EXPECT_TRUE(last.ends_with(",14.070000,PKTUSB,40,3.10,25.0")) << last;

    rig.Set("PTT 1\nALC 0.2\nSWR 1.4\n");
    h.Meter().SetScenario("splatter");
    Cycles(h, 2);  // a cycle shows what the rig said at the one before
    EXPECT_EQ(h.StatusWord(), "SPLATTER!");
    EXPECT_EQ(h.Probe().TrayLight()->Hint(), "Quorvane");
    EXPECT_EQ(h.Label("rigMeters"), "RIG ALC  ALC 20%  SWR 1.4");
    rig.Set("PTT 0\nSWR 9\n");
    Cycles(h, 2);
    EXPECT_EQ(h.Label("rigMeters"), "");
    rig.Set("SILENT 1\n");
    Cycles(h, 2);
    EXPECT_EQ(h.StatusWord(), "RIG?");
}

}  // namespace
