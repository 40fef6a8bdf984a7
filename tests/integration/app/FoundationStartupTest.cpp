// Start-up, the settings file and shutdown of the real main window against the meter
// emulator: the port search, what the file holds afterwards, and hand-edited or unusable
// settings files.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <filesystem>
#include <fstream>
#include <vector>

#include "support/app/MainWindowHarness.h"

namespace fs = std::filesystem;

namespace {

MainWindowHarness::Options WithSettings(const std::string& ini) {
    MainWindowHarness::Options options;
    options.settings = ini;
    return options;
}

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

int ScreenWidth() {
    return QGuiApplication::primaryScreen()->geometry().width();
}

// ---------------------------------------------------------------- the port search

struct PortSearch {
    const char* name;
    const char* settings;          // quorvane.ini before start-up; "" for none
    int meterPort;                 // where the emulator answers; 0: nowhere
    int brokenPorts[2];            // links to nowhere (0: unused)
    int runsOn;                    // the port the program runs on; 0: it ends
    const char* message;           // the note when it ends
    std::vector<std::string> log;  // in order; none: "Debug" is off
};

void PrintTo(const PortSearch& c, std::ostream* out) {
    *out << c.name;
}

class PortSearchTest : public testing::TestWithParam<PortSearch> {};

TEST_P(PortSearchTest, TriesTheStoredPortThenOneOther) {
    const PortSearch& c = GetParam();
    MainWindowHarness::Options options = WithSettings(c.settings);
    options.startMeter = c.meterPort == 1;
    MainWindowHarness h(options);
    for (int port : c.brokenPorts)
        if (port != 0) h.BreakPort(port);
    std::unique_ptr<MeterSim> other;
    if (c.meterPort > 1) other = h.StartMeterOn(c.meterPort);
    // A log from an earlier run is truncated, never appended to.
    WriteFile(h.WorkDir() + "/quorvane.log", "left over from the last run\r\n");
    const std::string before = h.Home().readSettings();

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
        EXPECT_EQ(h.Messages()[0].caption, "Error");
        EXPECT_EQ(h.Messages()[0].type, "!");
        EXPECT_EQ(h.Messages()[0].message, c.message);
        // No shutdown save on this path: the file stays as it was, or absent.
        h.Shutdown();
        EXPECT_EQ(h.Home().settingsExist(), !before.empty());
        EXPECT_EQ(h.Home().readSettings(), before);
        return;
    }
    ASSERT_TRUE(started);
    EXPECT_TRUE(h.Messages().empty());
    const std::string port = std::to_string(c.runsOn);
    EXPECT_EQ(h.Form().windowTitle().toStdString(), "PSK31 RF Monitoring on COM" + port);
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    h.Shutdown();
    EXPECT_EQ(h.Saved("COM PARMS", "Port"), port);
}

INSTANTIATE_TEST_SUITE_P(
    Ports, PortSearchTest,
    testing::Values(
        PortSearch{"NoFileCom1ThenCom2", "", 2, {1, 0}, 2, "", {}},
        PortSearch{
            "StoredPortFailsCom1Opens",
            "[COM PARMS]\r\nPort=7\r\n[MISC]\r\nDebug=1\r\n",
            1,
            {7, 0},
            1,
            "",
            {"COM PORT found in quorvane.ini: 7\r\n", "CreateFile on port COM7 failed with error ",
             "OpenComPort failed on port 7\r\n",
             "CreateFile on port COM1 returned with valid handle.\r\n",
             "Comport COM1 successfully opened.\r\n"}},
        PortSearch{
            "BothFail",
            "; hand-written\r\n[COM PARMS]\r\nPort=2\r\n\r\n[MISC]\r\nDebug=1\r\nGain=2.5\r\n",
            0,
            {2, 1},
            0,
            "Could not open serial ports COM2 or COM1.",
            {"COM PORT found in quorvane.ini: 2\r\n", "CreateFile on port COM2 failed with error ",
             "OpenComPort failed on port 2\r\n", "CreateFile on port COM1 failed with error ",
             "OpenComPort failed on port 1\r\nRestoring port found in ini file (2)\r\n"
             "Terminating quorvane.exe\r\n"}},
        PortSearch{
            "NoFileBothFail", "", 0, {1, 2}, 0, "Could not open serial ports COM1 or COM2.", {}}),
    [](const auto& param) { return std::string(param.param.name); });

// ---------------------------------------------------------------- the file after shutdown

TEST(ShutdownSaveTest, FreshFileHoldsEveryKeyInTheSaveOrder) {
    MainWindowHarness h;
    // Without "Debug" an old log is neither truncated nor written.
    WriteFile(h.WorkDir() + "/quorvane.log", "someone else's\r\n");
    ASSERT_TRUE(h.Start());
    h.Shutdown();
    EXPECT_EQ(h.LogText(), "someone else's\r\n");
    // The Show Power dialog goes first with its two keys; the main window then fills in the
    // rest, "QRP jumpered" last, in place.
    const std::string left = std::to_string(ScreenWidth() - 447);
    EXPECT_EQ(h.Home().readSettings(),
              "[SHOW POWER]\r\nShow Power=0\r\n\r\n"
              "[POWER LIMITS]\r\nQRP jumpered=1\r\nMaximum Volts=5\r\nMaximum Watts=5\r\n"
              "Power Limit Enabled=0\r\n\r\n"
              "[COM PARMS]\r\nPort=1\r\n\r\n"
              "[SCREEN PARMS]\r\nLeft=" +
                  left +
                  "\r\nTop=0\r\nWidth=300\r\nHeight=200\r\nWindow State=0\r\n\r\n"
                  "[MISC]\r\nAlways on Top=1\r\nALC=0\r\nGain=5\r\nTarget IMD=-22\r\n"
                  "Audio Floor=10\r\nNoise Floor=10\r\nMode=0\r\nSound Card=0\r\n"
                  "Refresh Rate=1000\r\n");
}

TEST(ShutdownSaveTest, HandWrittenFileKeepsCommentsUnknownKeysAndUnsavedKeys) {
    MainWindowHarness h(
        WithSettings("; station settings\n"
                     "[misc]\n"
                     "fake peak = 200\n"
                     "My Own Key=keep me\n"
                     "gain = 2.5\n"
                     "ALC = 0\n"
                     "\n"
                     "[Logging]\n"
                     "Whatever=1\n"
                     "[COM PARMS]\n"
                     "; the meter's port\n"
                     "Port=1\n"));
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Form().Settings_.Gain, 2.5);
    EXPECT_EQ(h.Form().Settings_.FakePeak, 200.0);
    h.Form().Settings_.Gain = 3.0;  // as the gain dialog would
    h.Shutdown();
    const std::string left = std::to_string(ScreenWidth() - 447);
    // Values change in place, in the file's own spelling and layout; new keys join their section.
    EXPECT_EQ(h.Home().readSettings(),
              "; station settings\n"
              "[misc]\n"
              "fake peak = 200\n"
              "My Own Key=keep me\n"
              "gain = 3\n"
              "ALC = 0\n"
              "Always on Top=1\nTarget IMD=-22\nAudio Floor=10\nNoise Floor=10\n"
              "Mode=0\nSound Card=0\nRefresh Rate=1000\n"
              "\n"
              "[Logging]\n"
              "Whatever=1\n"
              "[COM PARMS]\n"
              "; the meter's port\n"
              "Port=1\n"
              "\n[SHOW POWER]\nShow Power=0\n"
              "\n[POWER LIMITS]\nQRP jumpered=1\nMaximum Volts=5\nMaximum Watts=5\n"
              "Power Limit Enabled=0\n"
              "\n[SCREEN PARMS]\nLeft=" +
                  left + "\nTop=0\nWidth=300\nHeight=200\nWindow State=0\n");
}

// ---------------------------------------------------------------- hand-edited values

TEST(HandEditedSettingsTest, NonsenseValuesStartSanely) {
    MainWindowHarness h(
        WithSettings("[COM PARMS]\n"
                     "Port=0x2\n"
                     "[SCREEN PARMS]\n"
                     "Left=\n"
                     "Top=abc\n"
                     "Width=-5\n"
                     "Height=99999999999\n"
                     "Window State=9\n"
                     "[MISC]\n"
                     "Always on Top=\n"
                     "ALC=yes\n"
                     "Gain=abc\n"
                     "Target IMD=1e999\n"
                     "Sound Card=77\n"
                     "Noise Floor=-3\n"
                     "Audio Floor=$\n"
                     "Refresh Rate=-1\n"
                     "[POWER LIMITS]\n"
                     "Maximum Volts=nan\n"
                     "Maximum Watts=-inf\n"
                     "QRP jumpered=2\n"));
    const auto com2 = h.StartMeterOn(2);
    ASSERT_TRUE(h.Start());
    TMainForm& form = h.Form();
    EXPECT_EQ(form.windowTitle().toStdString(), "PSK31 RF Monitoring on COM2");  // hex read
    EXPECT_EQ(form.pos(), QPoint(ScreenWidth() - 447, 0));
    EXPECT_EQ(form.width(), 300);
    EXPECT_EQ(form.height(), 200);
    EXPECT_FALSE(form.isMinimized());
    EXPECT_FALSE(form.isMaximized());
    EXPECT_TRUE(form.AlwaysonTop1->isChecked());
    EXPECT_FALSE(form.ALC->isChecked());
    const Settings& s = form.Settings_;
    EXPECT_EQ(s.Gain, 5.0);
    EXPECT_EQ(s.TargetIMD, -22);
    EXPECT_EQ(s.AudioFloor, 10);
    EXPECT_EQ(s.MaxVolts, 5.0);
    EXPECT_EQ(s.MaxWatts, 5.0);
    EXPECT_TRUE(s.QRPJumpered);
    EXPECT_EQ(form.Timer1->interval(), 1000);
    // Values that convert are used as they are, odd or not. The missing card is reported
    // twice, for the failed open and the failed capabilities query, and reads as 0 %.
    EXPECT_EQ(s.SoundCard, 77);
    EXPECT_EQ(s.NoiseFloor, -3);
    ASSERT_EQ(h.Messages().size(), 2u);
    for (const MessageRequest& note : h.Messages())
        EXPECT_EQ(note.message.rfind("A problem was encountered with the sound card:", 0), 0u)
            << note.message;
    EXPECT_EQ(h.Label("Level"), "LEVEL:0%");

    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    h.Shutdown();
    EXPECT_EQ(h.Saved("COM PARMS", "Port"), "2");
    EXPECT_EQ(h.Saved("MISC", "Gain"), "5");
    EXPECT_EQ(h.Saved("MISC", "Sound Card"), "77");
    EXPECT_EQ(h.Saved("SCREEN PARMS", "Window State"), "0");
}

struct RefreshRate {
    const char* stored;
    int interval;
    const char* saved;
};

void PrintTo(const RefreshRate& c, std::ostream* out) {
    *out << c.stored;
}

class RefreshRateTest : public testing::TestWithParam<RefreshRate> {};

TEST_P(RefreshRateTest, StoredRateRunsTheTimer) {
    MainWindowHarness h(WithSettings(std::string("[MISC]\r\nRefresh Rate=") + GetParam().stored));
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Form().Timer1->interval(), GetParam().interval);
    h.Shutdown();
    EXPECT_EQ(h.Saved("MISC", "Refresh Rate"), GetParam().saved);
}

// 250 is not on the dialog's list but runs as stored; a rate of 0 or less would stop or
// race the timer, so it runs at the default. The file keeps what the operator wrote.
INSTANTIATE_TEST_SUITE_P(Rates, RefreshRateTest,
                         testing::Values(RefreshRate{"250", 250, "250"},
                                         RefreshRate{"0", 1000, "0"},
                                         RefreshRate{"-1", 1000, "-1"}),
                         [](const auto& param) {
                             const std::string stored = param.param.stored;
                             return "Stored" +
                                    (stored[0] == '-' ? "Minus" + stored.substr(1) : stored);
                         });

TEST(HandEditedSettingsTest, WindowSavedOffEveryScreenComesBackOnThePrimary) {
    MainWindowHarness h(
        WithSettings("[SCREEN PARMS]\r\nLeft=-5000\r\nTop=-5000\r\nWidth=320\r\nHeight=210\r\n"));
    ASSERT_TRUE(h.Start());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(h.Form().frameGeometry().topLeft()))
        << h.Form().x() << "," << h.Form().y();
    EXPECT_EQ(h.Form().size(), QSize(320, 210));
}

// ---------------------------------------------------------------- unusable files

TEST(UnusableFilesTest, LogThatCannotBeCreatedIsReportedAndTheProgramRunsOn) {
    MainWindowHarness h(WithSettings("[MISC]\r\nDebug=1\r\n"));
    fs::create_directory(h.WorkDir() + "/quorvane.log");  // fails even for root
    ASSERT_TRUE(h.Start());
    ASSERT_EQ(h.Messages().size(), 1u);
    EXPECT_EQ(h.Messages()[0].caption, "Error");
    EXPECT_EQ(h.Messages()[0].message, "Could not create the log file quorvane.log.");
    EXPECT_EQ(h.Form().windowTitle().toStdString(), "PSK31 RF Monitoring on COM1");
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    h.Shutdown();
    EXPECT_TRUE(fs::is_directory(h.WorkDir() + "/quorvane.log"));
    EXPECT_EQ(h.Saved("MISC", "Debug"), "1");
}

TEST(UnusableFilesTest, ReadOnlySettingsAreUsedAndLeftAsTheyWere) {
    const std::string ini = "[MISC]\r\nDebug=1\r\nGain=2.5\r\n";
    MainWindowHarness h(WithSettings(ini));
    fs::permissions(h.Home().settingsPath(), fs::perms::owner_read);
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Form().Settings_.Gain, 2.5);
    h.Form().Settings_.Gain = 7.0;
    h.Shutdown();
    EXPECT_EQ(h.Home().readSettings(), ini);
    EXPECT_NE(h.LogText().find("Could not write the settings file\r\n"), std::string::npos)
        << h.LogText();
}

TEST(UnusableFilesTest, UnreadableSettingsGiveTheDefaults) {
    MainWindowHarness h;
    // A folder where the file should be: unreadable and unwritable, also for root.
    fs::create_directories(h.Home().settingsPath());
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Form().Settings_, Settings{});
    EXPECT_EQ(h.Form().size(), QSize(300, 200));
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    h.Shutdown();
    EXPECT_TRUE(fs::is_directory(h.Home().settingsPath()));
}

}  // namespace
