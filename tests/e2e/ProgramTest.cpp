// The built program as the operator runs it: under an X server, against the meter
// emulator, ended by a signal or by answering its message.

#include <gtest/gtest.h>

#include <signal.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "e2e/ProgramProcess.h"
#include "platform/linux/LinuxProfileFile.h"
#include "support/MeterSim.h"
#include "support/TempConfigHome.h"
#include "support/alsa/AlsaTestConfig.h"

namespace fs = std::filesystem;

namespace {

// Generous: only a hung program should ever reach them.
constexpr std::chrono::seconds kShowLimit{30};
constexpr std::chrono::seconds kExitLimit{30};

class ProgramTest : public testing::Test {
protected:
    void SetUp() override {
        display_ = std::make_unique<XvfbDisplay>();
        setenv("DISPLAY", display_->Name().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        // A runtime folder of its own keeps the program apart from any other instance.
        runtime_ = home_.root() + "/runtime";
        work_ = home_.root() + "/work";
        fs::create_directories(runtime_);
        fs::permissions(runtime_, fs::perms::owner_all);
        fs::create_directories(work_);
        fs::create_directories(home_.configDir() + "/dosdevices");
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
        // A mixer the program may move, whatever sound the machine has.
        mixer_ = AlsaTestConfig::TestMixer(QUORVANE_ALSA_TEST_PLUGIN);
    }

    std::string Link(int comPort) const {
        return home_.configDir() + "/dosdevices/com" + std::to_string(comPort);
    }
    void BreakPort(int comPort) const {
        fs::create_symlink(home_.root() + "/nothing", Link(comPort));
    }

    std::unique_ptr<ProgramProcess> StartProgram() const {
        return std::make_unique<ProgramProcess>(QUORVANE_PROGRAM, work_);
    }

    std::string Log() const {
        std::ifstream in(work_ + "/quorvane.log", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The whole screen, kept where the run's artifacts go, if anywhere.
    void Screenshot(const std::string& name) const {
        const char* artifacts = std::getenv("QUORVANE_ARTIFACTS");
        const std::string folder = artifacts && *artifacts ? artifacts : home_.root();
        fs::create_directories(folder);
        const std::string path = folder + "/" + name + ".png";
        int status = -1;
        RunTool({"import", "-display", display_->Name(), "-window", "root", path}, &status);
        EXPECT_EQ(status, 0);
        EXPECT_GT(fs::exists(path) ? fs::file_size(path) : 0, 0u) << path;
    }

    TempConfigHome home_;
    std::unique_ptr<XvfbDisplay> display_;
    std::unique_ptr<AlsaTestConfig> mixer_;
    std::string runtime_;
    std::string work_;
};

// ---------------------------------------------------------------- a normal run

class SignalTest : public ProgramTest, public testing::WithParamInterface<int> {};

TEST_P(SignalTest, ShowsTheMeterAndSavesTheSettingsWhenSignalled) {
    home_.writeSettings("[MISC]\nDebug=1\n");
    // The meter answers every data command with its identification, so the status line
    // keeps showing the firmware text.
    MeterSim::Options idText;
    idText.scenario = "idtext";
    MeterSim meter(Link(1), idText);
    auto program = StartProgram();

    std::string window;
    ASSERT_TRUE(WaitUntil(
        [&] { return !(window = FindWindow("PSK31 RF Monitoring on COM1")).empty(); }, kShowLimit))
        << Log();
    EXPECT_EQ(RunTool({"xdotool", "getwindowname", window}), "PSK31 RF Monitoring on COM1\n");
    // The first cycle's data command: the timer runs.
    ASSERT_TRUE(WaitUntil([&] { return meter.CommandCount('s') >= 2; }, kShowLimit));
    Screenshot(std::string("running-") + (GetParam() == SIGTERM ? "sigterm" : "sigint"));

    program->Signal(GetParam());
    EXPECT_EQ(program->WaitForExit(kExitLimit), 0);

    LinuxProfileFile saved(home_.settingsPath());
    EXPECT_EQ(saved.read("COM PARMS", "Port"), "1");
    EXPECT_EQ(saved.read("MISC", "Refresh Rate"), "1000");
    EXPECT_EQ(saved.read("SHOW POWER", "Show Power"), "0");
    EXPECT_EQ(saved.read("MISC", "Debug"), "1");
    EXPECT_EQ(Log().rfind("Starting Quorvane\r\nCOM PORT found in quorvane.ini: 1\r\n", 0), 0u)
        << Log();
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalTest, testing::Values(SIGTERM, SIGINT),
                         [](const auto& param) {
                             return std::string(param.param == SIGTERM ? "SIGTERM" : "SIGINT");
                         });

// ---------------------------------------------------------------- no port at all

// How the operator's note about the ports is answered.
enum class Answer { ReturnKey, Signal };
void PrintTo(Answer answer, std::ostream* out) {
    *out << (answer == Answer::ReturnKey ? "Return key" : "SIGTERM");
}

class NoPortTest : public ProgramTest, public testing::WithParamInterface<Answer> {};

TEST_P(NoPortTest, NoteThenStatusOneAndTheSettingsUntouched) {
    const std::string ini = "; mine\n[COM PARMS]\nPort=2\n[MISC]\nDebug=1\n";
    home_.writeSettings(ini);
    BreakPort(1);
    BreakPort(2);
    auto program = StartProgram();

    std::string note;
    ASSERT_TRUE(WaitUntil([&] { return !(note = FindWindow("Error")).empty(); }, kShowLimit))
        << Log();
    Screenshot(GetParam() == Answer::ReturnKey ? "no-port-note" : "no-port-note-signal");
    // The log stops where the note waits for the operator.
    EXPECT_EQ(Log().find("Terminating"), std::string::npos) << Log();

    if (GetParam() == Answer::ReturnKey) {
        RunTool({"xdotool", "windowfocus", note});
        RunTool({"xdotool", "key", "--window", note, "Return"});
    } else {
        program->Signal(SIGTERM);
    }
    EXPECT_EQ(program->WaitForExit(kExitLimit), 1);

    EXPECT_EQ(home_.readSettings(), ini);
    const std::string log = Log();
    const std::string ending =
        "OpenComPort failed on port 1\r\nRestoring port found in ini file (2)\r\n"
        "Terminating quorvane.exe\r\n";
    ASSERT_GE(log.size(), ending.size()) << log;
    EXPECT_EQ(log.substr(log.size() - ending.size()), ending) << log;
}

INSTANTIATE_TEST_SUITE_P(Answers, NoPortTest, testing::Values(Answer::ReturnKey, Answer::Signal),
                         [](const auto& param) {
                             return std::string(param.param == Answer::ReturnKey ? "ReturnKey"
                                                                                 : "Signal");
                         });

}  // namespace
