// The built program as the operator runs it: under an X server, against the meter
// emulator, ended by a signal or by answering its message.

#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "e2e/DesktopProgram.h"
#include "platform/linux/LinuxProfileFile.h"

namespace fs = std::filesystem;

namespace {

// Generous: only a hung program should ever reach them.
constexpr std::chrono::seconds kShowLimit{30};
constexpr std::chrono::seconds kExitLimit{30};

class ProgramTest : public testing::Test {
protected:
    void SetUp() override {
        screen_ = std::make_unique<XServer>(false);
        ASSERT_TRUE(screen_->Ready()) << screen_->Failure();
    }

    static void BreakPort(ProgramSandbox& sandbox, int comPort) {
        fs::create_symlink(sandbox.Home().root() + "/nothing", sandbox.PortLink(comPort));
    }

    static std::string Window(const std::string& title) {
        const std::vector<unsigned long> ids = WindowsTitled(title);
        return ids.empty() ? "" : std::to_string(ids.front());
    }

    std::unique_ptr<XServer> screen_;
};

// ---------------------------------------------------------------- a normal run

class SignalTest : public ProgramTest, public testing::WithParamInterface<int> {};

TEST_P(SignalTest, ShowsTheMeterAndSavesTheSettingsWhenSignalled) {
    // The meter answers every data command with its identification, so the status line
    // keeps showing the firmware text.
    MeterSim::Options idText;
    idText.scenario = "idtext";
    ProgramSandbox sandbox("[MISC]\nDebug=1\n", idText);
    ProgramProcess program(sandbox, "xcb");

    std::string window;
    ASSERT_TRUE(WaitUntil([&] { return !(window = Window("PSK31 RF Monitoring on COM1")).empty(); },
                          kShowLimit))
        << sandbox.LogText();
    EXPECT_EQ(Capture({"xdotool", "getwindowname", window}), "PSK31 RF Monitoring on COM1\n");
    // The first cycle's data command: the timer runs.
    ASSERT_TRUE(WaitUntil([&] { return sandbox.Meter().CommandCount('s') >= 2; }, kShowLimit));
    EXPECT_TRUE(
        KeepScreenshot(std::string("running-") + (GetParam() == SIGTERM ? "sigterm" : "sigint")));

    ::kill(program.Pid(), GetParam());
    EXPECT_EQ(program.WaitForExit(kExitLimit), 0);

    LinuxProfileFile saved(sandbox.Home().settingsPath());
    EXPECT_EQ(saved.read("COM PARMS", "Port"), "1");
    EXPECT_EQ(saved.read("MISC", "Refresh Rate"), "1000");
    EXPECT_EQ(saved.read("SHOW POWER", "Show Power"), "0");
    EXPECT_EQ(saved.read("MISC", "Debug"), "1");
    const std::string log = sandbox.LogText();
    EXPECT_EQ(log.rfind("Starting Quorvane\r\nCOM PORT found in quorvane.ini: 1\r\n", 0), 0u)
        << log;
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
    ProgramSandbox sandbox(ini, std::nullopt);
    BreakPort(sandbox, 1);
    BreakPort(sandbox, 2);
    ProgramProcess program(sandbox, "xcb");

    std::string note;
    ASSERT_TRUE(WaitUntil([&] { return !(note = Window("Error")).empty(); }, kShowLimit))
        << sandbox.LogText();
    EXPECT_TRUE(
        KeepScreenshot(GetParam() == Answer::ReturnKey ? "no-port-note" : "no-port-note-signal"));
    // The log stops where the note waits for the operator.
    EXPECT_EQ(sandbox.LogText().find("Terminating"), std::string::npos) << sandbox.LogText();

    if (GetParam() == Answer::ReturnKey) {
        Capture({"xdotool", "windowfocus", note});
        Capture({"xdotool", "key", "--window", note, "Return"});
    } else {
        ::kill(program.Pid(), SIGTERM);
    }
    EXPECT_EQ(program.WaitForExit(kExitLimit), 1);

    EXPECT_EQ(sandbox.Home().readSettings(), ini);
    const std::string log = sandbox.LogText();
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
