// Start-up, the settings file, the meter link and shutdown of the real main window against
// the meter emulator: the port search, what the file holds afterwards, hand-edited or
// unusable settings files, and a meter that misbehaves or vanishes.

#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "integration/app/AppTestSupport.h"
#include "meter-sim/MeterScenarios.h"

namespace fs = std::filesystem;

namespace {

// Each piece must follow the one before it in `text`.
void ExpectInOrder(const std::string& text, const std::vector<std::string>& pieces) {
    std::size_t at = 0;
    for (const std::string& piece : pieces) {
        const std::size_t found = text.find(piece, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << piece << "\n" << text;
        at = found + piece.size();
    }
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

// The window's default left edge: its designed width in from the screen's right.
int DefaultLeft() {
    return QGuiApplication::primaryScreen()->geometry().width() - 447;
}

TEST(PortSearchTest, TriesTheStoredPortThenOneOther) {
    struct Case {
        const char* name;
        const char* settings;          // quorvane.ini before start-up; "" for none
        int meterPort;                 // where the emulator answers; 0: nowhere
        std::vector<int> brokenPorts;  // links to nowhere
        int runsOn;                    // the port the program runs on; 0: it ends
        const char* message;           // the note when it ends
        std::vector<std::string> log;  // in order; none: "Debug" is off
    };
    const std::string com7Missing =
        "CreateFile on port COM7 failed with error " + std::to_string(ENOENT) + "\r\n";
    // clang-format off
    const Case cases[] = {
        {"no file, COM1 fails", "", 2, {1}, 2, "", {}},
        {"stored port fails", "[COM PARMS]\r\nPort=7\r\n[MISC]\r\nDebug=1\r\n", 1, {7}, 1, "",
         {"COM PORT found in quorvane.ini: 7\r\n", "OS is not NT or ", "kestral.sys not found.\r\n",
          com7Missing, "OpenComPort failed on port 7\r\n",
          "CreateFile on port COM1 returned with valid handle.\r\n", "dcb.Flags going in = ",
          "dcb.DCBLength = ", "dcb.Flags about to be set to 1\r\n",
          "Comport COM1 successfully opened.\r\n"}},
        {"both fail",
         "; hand-written\r\n[COM PARMS]\r\nPort=2\r\n\r\n[MISC]\r\nDebug=1\r\nGain=2.5\r\n",
         0, {2, 1}, 0, "Could not open serial ports COM2 or COM1.",
         {"COM PORT found in quorvane.ini: 2\r\n", "CreateFile on port COM2 failed with error ",
          "OpenComPort failed on port 2\r\n", "CreateFile on port COM1 failed with error ",
          "OpenComPort failed on port 1\r\nRestoring port found in ini file (2)\r\n"
          "Terminating quorvane.exe\r\n"}},
        {"no file, both fail", "", 0, {1, 2}, 0, "Could not open serial ports COM1 or COM2.", {}}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindowHarness h({.startMeter = c.meterPort == 1, .settings = c.settings});
        for (int port : c.brokenPorts) h.BreakPort(port);
        std::unique_ptr<MeterSim> other;
        if (c.meterPort > 1) other = h.StartMeterOn(c.meterPort);
        // A log from an earlier run is truncated, never appended to.
        WriteFile(h.WorkDir() + "/quorvane.log", "left over from the last run\r\n");
        const std::string before = h.Home().ReadSettings();

        const bool started = h.Start();

        const std::string log = h.LogText();
        if (c.log.empty()) {
            EXPECT_EQ(log, "left over from the last run\r\n");
        } else {
            EXPECT_EQ(log.rfind("Starting Quorvane\r\n", 0), 0u) << log;
            ExpectInOrder(log, c.log);
        }
        if (c.runsOn == 0) {
            EXPECT_FALSE(started);
            if (!c.log.empty()) {
                EXPECT_TRUE(log.ends_with("Terminating quorvane.exe\r\n")) << log;
            }
            ASSERT_EQ(h.Messages().size(), 1u);
            ExpectMessage(h.Messages()[0], "Error", "!", c.message);
            // No shutdown save on this path: the file stays as it was, or absent.
            h.Shutdown();
            EXPECT_EQ(h.Home().SettingsExist(), !before.empty());
            EXPECT_EQ(h.Home().ReadSettings(), before);
            continue;
        }
        ASSERT_TRUE(started);
        EXPECT_TRUE(h.Messages().empty());
        const std::string port = std::to_string(c.runsOn);
        EXPECT_EQ(Title(h), "PSK31 RF Monitoring on COM" + port);
        h.Cycle();
        EXPECT_EQ(h.Splatter(), "SIGNAL OK");
        h.Shutdown();
        EXPECT_EQ(h.Saved("COM PARMS", "Port"), port);
        // A fresh file: the Show Power dialog's keys go first, then the main window's (its
        // keys and formats are pinned below the window), "QRP jumpered" staying in place.
        if (!*c.settings) {
            EXPECT_TRUE(h.Home().ReadSettings().starts_with(
                "[SHOW POWER]\r\nShow Power=0\r\n\r\n[POWER LIMITS]\r\nQRP jumpered=1\r\n"
                "Maximum Volts=5\r\n"))
                << h.Home().ReadSettings();
        }
    }
}

// ---------------------------------------------------------------- hand-edited values

TEST(HandEditedSettingsTest, NonsenseValuesStartSanely) {
    MainWindowHarness h({.settings = "[COM PARMS]\nPort=0x2\n"
                                     "[SCREEN PARMS]\nLeft=\nTop=abc\nWidth=-5\n"
                                     "Height=99999999999\nWindow State=9\n"
                                     "[MISC]\nAlways on Top=\nALC=yes\nGain=abc\nTarget IMD=1e999\n"
                                     "Sound Card=77\nNoise Floor=-3\nAudio Floor=$\n"
                                     "Refresh Rate=-1\n"
                                     "[POWER LIMITS]\nMaximum Volts=nan\nMaximum Watts=-inf\n"
                                     "QRP jumpered=2\n"});
    const auto com2 = h.StartMeterOn(2);
    ASSERT_TRUE(h.Start());
    TMainForm& form = h.Form();
    EXPECT_EQ(Title(h), "PSK31 RF Monitoring on COM2");  // hex read
    EXPECT_EQ(form.pos(), QPoint(DefaultLeft(), 0));
    EXPECT_EQ(form.size(), QSize(300, 200));
    EXPECT_FALSE(form.isMinimized() || form.isMaximized());
    EXPECT_TRUE(MainFormProbe(form).AlwaysonTop1()->isChecked());
    EXPECT_FALSE(MainFormProbe(form).ALC()->isChecked());
    EXPECT_EQ(MainFormProbe(form).Timer1()->interval(), 1000);
    // What does not convert takes its default; what converts is used as it is, odd or not.
    Settings expected;
    expected.ComPort =
        MainFormProbe(form).Settings_().ComPort;  // the link's port counts until shutdown
    expected.SoundCard = 77;
    expected.NoiseFloor = -3;
    expected.RefreshRate = -1;
    EXPECT_EQ(MainFormProbe(form).Settings_(), expected);
    // The missing card is reported twice, for the failed open and the failed capabilities
    // query, and reads as 0 %.
    ASSERT_EQ(h.Messages().size(), 2u);
    for (const MessageRequest& note : h.Messages())
        EXPECT_EQ(note.message.rfind("A problem was encountered with the sound card:", 0), 0u)
            << note.message;
    EXPECT_EQ(h.Label("Level"), "LEVEL:0%");

    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    h.Shutdown();
    EXPECT_EQ(h.Saved("MISC", "Gain"), "5");
    EXPECT_EQ(h.Saved("MISC", "Refresh Rate"), "-1");
}

TEST(HandEditedSettingsTest, WindowSavedOffEveryScreenComesBackOnThePrimary) {
    MainWindowHarness h(
        {.settings = "[SCREEN PARMS]\r\nLeft=-5000\r\nTop=-5000\r\nWidth=320\r\nHeight=210\r\n"});
    ASSERT_TRUE(h.Start());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(h.Form().frameGeometry().topLeft()))
        << h.Form().x() << "," << h.Form().y();
    EXPECT_EQ(h.Form().size(), QSize(320, 210));
}

// ---------------------------------------------------------------- unusable files

TEST(UnusableFilesTest, LogThatCannotBeCreatedIsReportedAndTheProgramRunsOn) {
    MainWindowHarness h({.settings = "[MISC]\r\nDebug=1\r\n"});
    fs::create_directory(h.WorkDir() + "/quorvane.log");  // fails even for root
    ASSERT_TRUE(h.Start());
    ASSERT_EQ(h.Messages().size(), 1u);
    ExpectMessage(h.Messages()[0], "Error", "!", "Could not create the log file quorvane.log.");
    EXPECT_EQ(Title(h), "PSK31 RF Monitoring on COM1");
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    h.Shutdown();
    EXPECT_TRUE(fs::is_directory(h.WorkDir() + "/quorvane.log"));
    EXPECT_EQ(h.Saved("MISC", "Debug"), "1");
}

TEST(UnusableFilesTest, ReadOnlySettingsAreUsedAndLeftAsTheyWere) {
    const std::string ini = "[MISC]\r\nDebug=1\r\nGain=2.5\r\n";
    MainWindowHarness h({.settings = ini});
    fs::permissions(h.Home().SettingsPath(), fs::perms::owner_read);
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Probe().Settings_().Gain, 2.5);
    h.Probe().Settings_().Gain = 7.0;
    h.Shutdown();
    EXPECT_EQ(h.Home().ReadSettings(), ini);
    EXPECT_NE(h.LogText().find("Could not write the settings file\r\n"), std::string::npos)
        << h.LogText();
}

// ---------------------------------------------------------------- the meter link

// The numbers a text-mode listing shows, row by row after its byte count.
std::string ListedBytes(const QString& memo) {
    std::istringstream lines(memo.toStdString());
    std::string line, bytes;
    std::getline(lines, line);  // "Received bytes: n"
    while (std::getline(lines, line)) {
        std::istringstream row(line);
        int value = 0;
        if (line.find(':') != std::string::npos) break;  // the figures below the listing
        while (row >> value) bytes += static_cast<char>(value);
    }
    return bytes;
}

TEST(OverlongReplyTest, BytesArriveRawAndTheDrainClearsTheRestBeforeTheIdentification) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    h.Meter().SetScenario("overlong");
    std::mt19937 unused;
    const std::string reply = MeterDataReply(MeterScenario::Overlong, "", unused);

    // Text mode lists the frame as read: no control byte may be eaten or changed on the way.
    h.Probe().DataMode1()->trigger();
    h.Cycle();
    EXPECT_EQ(ListedBytes(h.Probe().Memo1()->toPlainText()), reply.substr(0, 64));
    EXPECT_EQ(h.Splatter(), "TEXT MODE");

    // The About box asks the meter who it is. The rest of the reply, eight blocks of 83
    // letters, is drained before the question, so the answer is the meter's own.
    QLabel* firmware = h.Dialogs().AboutForm->FirmwareInfoLabel;
    std::string shown;
    ASSERT_TRUE(h.Operate(h.Probe().About1(), *h.Dialogs().AboutForm,
                          [&] { shown = firmware->text().toStdString(); }));
    EXPECT_EQ(shown, "Firmware: QUORVANE RF Meter Version 1.10");
    EXPECT_EQ(h.Label("Mode"), "PSK31");

    h.Probe().DataMode1()->trigger();
    h.Meter().SetScenario("clean");
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    EXPECT_TRUE(h.Probe().PSK63()->isEnabled());
    EXPECT_TRUE(h.Messages().empty());
}

TEST(VanishedMeterTest, CyclesReportNoAnswerWithoutHangingAndShutdownStillSaves) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    h.Meter().Kill();  // the line hangs up, as an unplugged adapter does
    h.Cycle(2);
    EXPECT_EQ(h.Splatter(), "QUORVANE NOT RESPONDING");
    EXPECT_EQ(h.Label("rms"), "");
    h.Shutdown();
    EXPECT_EQ(h.Saved("COM PARMS", "Port"), "1");
}

}  // namespace
