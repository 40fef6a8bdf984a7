// The real main window offscreen against the meter emulator: how start-up, a cycle's result
// and the pop-up menu's commands reach the caption, the status line, the chart, the tray
// light, the mixer, the session history and the settings file, and how it follows
// tools/fldigi-sim over real HTTP. What the words and numbers are is the business of the
// code behind them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <utility>

#include "app/StatusPanel.h"
#include "audio/LevelControl.h"
#include "audio/MixerInventory.h"
#include "desktop/TrayIcon.h"
#include "dialogs/HistoryWindow.h"
#include "dialogs/MaskedEdit.h"
#include "measure/EnvelopeChart.h"
#include "measure/HistoryChart.h"
#include "support/Pixels.h"
#include "support/Process.h"
#include "support/ScopedEnv.h"
#include "support/ServerProcess.h"
#include "support/app/MainWindowHarness.h"

namespace fs = std::filesystem;

namespace {

void TypeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Moves the list's selection to `text` with the arrow keys.
void Pick(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    for (int key = 0; key <= combo->count() && combo->currentIndex() != index; ++key)
        QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(combo->currentIndex(), index);
}

// Start-up tries the stored port, then one other, and without either ends with a note and
// the settings file untouched. A log that cannot be created is only noted, and a window
// saved off every screen comes back on one.
TEST(StartUpTest, TriesTheStoredPortThenOneOther) {
    const char* offScreen =
        "[COM PARMS]\r\nPort=7\r\n[MISC]\r\nDebug=1\r\n"
        "[SCREEN PARMS]\r\nLeft=-5000\r\nTop=-5000\r\n";
    const struct {
        const char* settings;
        std::vector<int> brokenPorts;  // links to nowhere, COM1's emulator's among them
        int runsOn;                    // 0: start-up ends the program; above 1: an emulator there
        const char* message;           // the one note shown, if any
    } cases[] = {
        {"", {1}, 2, nullptr},
        {offScreen, {7}, 1, "Could not create the log file quorvane.log."},
        {"[COM PARMS]\r\nPort=2\r\n", {2, 1}, 0, "Could not open serial ports COM2 or COM1."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings);
        MainWindowHarness h({.settings = c.settings});
        for (int port : c.brokenPorts) h.BreakPort(port);
        const std::unique_ptr<MeterSim> other = c.runsOn > 1 ? h.StartMeterOn(c.runsOn) : nullptr;
        if (c.runsOn == 1) fs::create_directory(h.WorkDir() + "/quorvane.log");
        ASSERT_EQ(h.Start(), c.runsOn != 0);
        ASSERT_EQ(h.Messages().size(), c.message ? 1u : 0u);
        for (const MessageRequest& shown : h.Messages())
            EXPECT_TRUE(shown.message.starts_with(c.message)) << shown.message;
        if (c.runsOn == 0) {
            h.Shutdown();
            EXPECT_EQ(h.Home().ReadSettings(), c.settings);
            continue;
        }
        const std::string port = std::to_string(c.runsOn);
        EXPECT_EQ(h.Title(), "PSK31 RF Monitoring on COM" + port);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(screen.contains(h.Form().frameGeometry().topLeft()));
        h.Cycle();
        EXPECT_EQ(h.StatusWord(), "SIGNAL OK");
        h.Shutdown();
        EXPECT_EQ(h.Saved("COM PARMS", "Port"), port);
    }
}

const QColor kGreen(0, 255, 0), kYellow(255, 255, 0);

// Each cycle reaches the status line, the caption (only while minimized), the tray light
// and its tip, the chart and the session history: its log file, its window and a copy saved
// from there.
TEST(DisplayTest, EachCycleReachesStatusLineCaptionLightChartAndHistory) {
    MainWindowHarness h({.settings = "[HISTORY]\r\nLog=1\r\nFile=history.csv\r\n"});
    ASSERT_TRUE(h.Start());
    const std::string caption = h.Title(), log = h.WorkDir() + "/history.csv";
    const struct {
        const char* scenario;
        const char* status;
        const char* title;  // minimized, the caption; nullptr: shown normally, the usual one
        int light;          // the tray light's colour; -1: hidden
        int chartPoints;
    } rows[] = {{"splatter", "SPLATTER!", "SPLATTER", kIconRed, 256},
                {"silent", "QUORVANE NOT RESPONDING", "NOT RESPONDING", -1, 0},
                {"clean", "SIGNAL OK", nullptr, kIconBlue, 256}};
    for (std::size_t cycles = 1; const auto& row : rows) {
        SCOPED_TRACE(row.scenario);
        h.Form().setWindowState(row.title ? Qt::WindowMinimized : Qt::WindowNoState);
        h.Meter().SetScenario(row.scenario);
        h.Cycle();
        EXPECT_EQ(h.StatusWord(), row.status);
        EXPECT_EQ(h.Title(), row.title ? row.title : caption);
        EXPECT_EQ(h.Probe().TrayLight()->Visible(), row.light >= 0);
        EXPECT_EQ(h.Probe().TrayLight()->Hint(), std::string("Quorvane: ") + row.status);
        if (row.light >= 0) {
            EXPECT_EQ(h.Probe().TrayLight()->IconIndex(), row.light);
        }
        EXPECT_EQ(h.Probe().Chart()->PointCount(), row.chartPoints);
        // The line's own fields are the record's business; here: this cycle's record.
        const std::string text = FileText(log);
        ASSERT_EQ(std::size_t(std::count(text.begin(), text.end(), '\n')), 1 + cycles++);
        const std::string line = text.substr(text.rfind('\n', text.size() - 2) + 1);
        EXPECT_NE(line.find("," + h.StatusWord() + ","), std::string::npos) << line;
        std::istringstream fields(line);  // the level is the seventh field
        std::string level;
        for (int field = 0; field < 7; ++field) std::getline(fields, level, ',');
        EXPECT_EQ("LEVEL:" + level + "%", h.Label("level"));
    }

    h.Command("openHistory")->trigger();
    auto* window = h.Form().findChild<HistoryWindow*>();
    ASSERT_TRUE(window && window->isVisible());
    QTimer::singleShot(0, [&] {  // "Save as CSV..." asks where, and saves there
        auto* ask = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(ask);
        ask->selectFile(QString::fromStdString(h.WorkDir() + "/saved.csv"));
        static_cast<QDialog*>(ask)->accept();
    });
    window->saveButton->click();
    EXPECT_EQ(FileText(h.WorkDir() + "/saved.csv"), FileText(log));
    EXPECT_FALSE(window->SaveTo(QString::fromStdString(h.WorkDir() + "/none/saved.csv")));
    EXPECT_EQ(h.Messages().size(), 1u);

    // Each span covers the time its name says; in every one the target line crosses the
    // chart, the splatter cycle's IMD above it and the clean one's below.
    const std::int64_t spanMillis[] = {10 * 60'000, 60 * 60'000, 0};  // 0: the whole session
    for (int span = 0; span < window->spanList->count(); ++span) {
        SCOPED_TRACE(span);
        window->spanList->setCurrentIndex(span);
        EXPECT_EQ(window->chart->SpanMillis(), spanMillis[span]);
        const QImage history = Grab(*window->chart);
        const auto band = [&](int top, int bottom) {
            return QRect(0, top, history.width(), bottom - top);
        };
        const auto yellowIn = [&](int y) { return PixelsOf(history, band(y, y + 1), kYellow); };
        int target = 0;
        for (int y = 1; y < history.height(); ++y)
            if (yellowIn(y) > yellowIn(target)) target = y;
        EXPECT_GT(yellowIn(target), history.width() / 2);
        EXPECT_GT(PixelsOf(history, band(0, target), kGreen), 0);
        EXPECT_GT(PixelsOf(history, band(target + 1, history.height()), kGreen), 0);
    }

    // Text mode lists the frame over the chart.
    h.Command("textMode")->trigger();
    h.Cycle();
    EXPECT_TRUE(h.Probe().TextView()->isVisible() &&
                !h.Probe().TextView()->toPlainText().isEmpty());
}

// Each command as the operator works it, what it changes at once, and the key it leaves in
// the settings file; a second start brings the choices back.
TEST(CommandsTest, EachCommandTakesEffectIsSavedAndComesBackAtTheNextStart) {
    MainWindowHarness::Options options;
    options.mixer.push_back(OneCardMixer()[0]);
    options.mixer[1].ProductName = "USB Audio CODEC";
    MainWindowHarness h(options);
    ASSERT_TRUE(h.Start());
    h.BreakPort(7);
    const std::unique_ptr<MeterSim> com12 = h.StartMeterOn(12);
    const std::string byId = h.Home().Root() + "/by-id", adapter = byId + "/usb-Meter_QV1-if00";
    fs::create_directory(byId);
    fs::create_symlink(byId + "/gone", byId + "/usb-Unplugged-if00");  // listed nowhere
    const ScopedEnv byIdHook(kSerialByIdVariable, byId);
    const MeterSim adapterSim(adapter, {});
    DialogSet& d = h.Dialogs();
    FakeMixer& mixer = h.Mixer();
    const auto cycle = [&](const char* scenario) {
        h.Meter().SetScenario(scenario);
        h.Cycle();
        return h.StatusWord();
    };
    const struct {
        const char* command;
        QDialog* dialog;  // nullptr: the command only toggles
        std::function<void()> act;
        std::function<bool()> effect;
        const char *section, *key, *saved;  // no section: nothing saved
    } commands[] = {
        // clang-format off
        {"psk63", nullptr, {}, [&] {
             return h.Title() == "PSK63 RF Monitoring on COM1" && cycle("clean") == "SIGNAL OK"; },
         "MISC", "Mode", "1"},
        {"levelControl", nullptr, {}, [&, writes = mixer.ValueWrites] {
             return !cycle("underdriven").empty() && mixer.ValueWrites > writes; },
         "MISC", "ALC", "1"},
        {"chooseShowPower", d.showPowerDialog.get(),
         [&] { QTest::mouseClick(d.showPowerDialog->showPowerCheckBox, Qt::LeftButton); },
         [&] { return !cycle("clean").empty() && h.Label("power").ends_with("W"); },
         "SHOW POWER", "Show Power", "1"},
        // The emulator's clean frame is above 5 W.
        {"choosePowerLimit", d.powerLimitDialog.get(), [&] {
             QTest::mouseClick(d.powerLimitDialog->limitCheckBox, Qt::LeftButton);
             TypeInto(d.powerLimitDialog->wattsEdit, "5"); },
         [&] { return cycle("clean") == "OVER POWER"; }, "POWER LIMITS", "Maximum Watts", "5"},
        // Typed over the field from its first position; the caret steps over the point.
        {"chooseGain", d.gainDialog.get(), [&] {
             d.gainDialog->gainEdit->setFocus();
             QTest::keyClick(d.gainDialog->gainEdit, Qt::Key_Home);
             QTest::keyClicks(d.gainDialog->gainEdit, "99.9"); }, {}, "MISC", "Gain", "10"},
        {"chooseTargetImd", d.targetImdDialog.get(), [&] {
             TypeInto(d.targetImdDialog->targetList->lineEdit(), "-28DB"); },
         {}, "MISC", "Target IMD", "-28"},
        {"chooseNoiseThreshold", d.noiseThresholdDialog.get(), [&] { Pick(d.noiseThresholdDialog->floorList, "60"); }, {},
         "MISC", "Noise Floor", "3"},
        {"chooseRefreshRate", d.refreshRateDialog.get(),
         [&] { Pick(d.refreshRateDialog->rateList, "Every 2 seconds"); },
         [&] { return h.Probe().PollTimer()->interval() == 2000; }, "MISC", "Refresh Rate", "2000"},
        {"alwaysOnTop", nullptr, {}, [&] {
             return !h.Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint); },
         "MISC", "Always on Top", "0"},
        {"chooseSoundCard", d.soundCardDialog.get(),
         [&] { Pick(d.soundCardDialog->cardList, "USB Audio CODEC"); },
         [&] { return h.Probe().Inventory()->DeviceIndex() == 1 &&
                      mixer.ClosedHandles.size() == 1; },
         "MISC", "Sound Card", "1"},
        {"testSoundCard", d.testSoundCardDialog.get(),
         [&] { QTest::keyClick(d.testSoundCardDialog->waveSlider, Qt::Key_Right); },
         [&] { return mixer.Value(1, 0, 0) == PercentToRaw(81); }},
        // Esc puts the slider back as it opened, and the volume with it.
        {"testSoundCard", d.testSoundCardDialog.get(), [&] {
             QTest::keyClick(d.testSoundCardDialog->waveSlider, Qt::Key_Right);
             QTest::keyClick(d.testSoundCardDialog->waveSlider, Qt::Key_Escape); },
         [&] { return mixer.Value(1, 0, 0) == PercentToRaw(81); }},
        {"choosePort", d.portDialog.get(), [&] { Pick(d.portDialog->portList, "COM7"); },
         [&] { return h.Messages().size() == 1 && h.Title().ends_with("on COM1") &&
                      h.Messages()[0].message.starts_with("Could not open COM7\n"); }},
        // An adapter that no COM name reaches: picked, it gets the first free one for good.
        {"choosePort", d.portDialog.get(), [&] {
             EXPECT_EQ(d.portDialog->portList->findText("Unplugged", Qt::MatchContains), -1);
             Pick(d.portDialog->portList, QString::fromStdString(
                 "New  usb-Meter_QV1-if00  (" + fs::canonical(adapter).string() + ")")); },
         [&] { return h.Title().ends_with("on COM2") &&
                      fs::read_symlink(h.Home().ConfigDir() + "/dosdevices/com2") == adapter; }},
        {"choosePort", d.portDialog.get(),
         [&] { TypeInto(d.portDialog->portList->lineEdit(), "COM12"); },
         [&, before = com12->CommandCount('S')] {
             h.Cycle();
             return h.Title().ends_with("RF Monitoring on COM12") &&
                    com12->CommandCount('S') > before; },
         "COM PARMS", "Port", "12"},
        // clang-format on
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.command);
        if (c.dialog) {
            ASSERT_TRUE(h.Operate(h.Command(c.command), *c.dialog, c.act));
        } else {
            h.Command(c.command)->trigger();
        }
        EXPECT_TRUE(!c.effect || c.effect()) << h.Title() << ", notes: " << h.Messages().size();
    }
    h.Shutdown();
    for (const auto& c : commands)
        EXPECT_TRUE(!c.section || h.Saved(c.section, c.key) == c.saved) << c.command;

    options.settings = h.Home().ReadSettings();
    MainWindowHarness next(options);
    ASSERT_TRUE(next.Start());
    for (QAction* toggle :
         {next.Command("psk63"), next.Command("levelControl"), next.Command("choosePowerLimit")})
        EXPECT_TRUE(toggle->isChecked()) << toggle->text().toStdString();
    EXPECT_FALSE(next.Command("alwaysOnTop")->isChecked());
    ShowPowerDialog& showPower = *next.Dialogs().showPowerDialog;
    ASSERT_TRUE(next.Operate(next.Command("chooseShowPower"), showPower,
                             [&] { EXPECT_TRUE(showPower.showPowerCheckBox->isChecked()); }));
    EXPECT_EQ(next.Probe().PollTimer()->interval(), 2000);
    EXPECT_EQ(next.Probe().Inventory()->DeviceIndex(), 1);
    EXPECT_EQ(next.Label("alc"), "AUTO");
    // The power limit dialog opens on the stored choice: closed untouched, it keeps it.
    ASSERT_TRUE(next.Operate(next.Command("choosePowerLimit"), *next.Dialogs().powerLimitDialog));
    EXPECT_TRUE(next.Command("choosePowerLimit")->isChecked());

    // The About box asks the meter again, with the cycles held meanwhile, and what it hears
    // decides the PSK63 command as at start-up.
    QAction* psk63 = next.Command("psk63");
    const std::string firmware = next.StatusWord();
    psk63->setEnabled(false);
    next.Probe().PollTimer()->start();
    AboutDialog& about = *next.Dialogs().aboutDialog;
    ASSERT_TRUE(next.Operate(next.Command("showAbout"), about, [&] {
        EXPECT_FALSE(next.Probe().PollTimer()->isActive());
        EXPECT_EQ(about.firmwareLabel->text().toStdString(), "Firmware: " + firmware);
        EXPECT_TRUE(psk63->isEnabled());
        EXPECT_EQ(next.Label("mode"), "PSK63");
        EXPECT_EQ(next.Meter().CommandCount('v'), 2);
        next.Meter().Kill();  // a click on the firmware line asks again
        QTest::mouseClick(about.firmwareLabel, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(about.firmwareLabel->text(), "Firmware: QUORVANE firmware not detected");
        EXPECT_FALSE(psk63->isEnabled());
        EXPECT_EQ(next.Label("mode"), "");
    }));
    EXPECT_TRUE(next.Probe().PollTimer()->isActive());

    // Ended from the tray while a dialog is open, the command applies nothing it showed.
    PowerLimitDialog& limit = *next.Dialogs().powerLimitDialog;
    ASSERT_TRUE(next.Operate(next.Command("choosePowerLimit"), limit, [&] {
        limit.limitCheckBox->click();
        next.Command("exitFromTray")->trigger();
    }));
    EXPECT_TRUE(next.Command("choosePowerLimit")->isChecked());
}

TEST(FollowFldigiTest, ModeNoteLevelHoldAndReconnect) {
    MainWindowHarness h({});
    const std::string state = h.Home().Root() + "/state";  // BPSK31 RX until set
    ServerProcess fldigi({QUORVANE_FLDIGI_SIM, "--state", state, "--port"});
    fldigi.Start();
    h.Meter().SetScenario("splatter");
    h.Home().WriteSettings(
        "[MISC]\r\nALC=1\r\n[FLDIGI]\r\nFollow=1\r\nPort=" + std::to_string(fldigi.port) + "\r\n");
    ASSERT_TRUE(h.Start());
    const auto level = [&h] { return MixerLevel(*h.Probe().Inventory()); };
    const int splatterLevel = level();
    const auto follow = [&](const char* text) {
        std::ofstream(state + ".new") << text << '\n';
        fs::rename(state + ".new", state);
        h.FollowingCycles(2);
    };
    h.FollowingCycles(1);
    follow("BPSK63 RX");
    EXPECT_EQ(h.Meter().CommandCount('S'), 1);
    EXPECT_EQ(h.Title(), "PSK63 RF Monitoring on COM1");
    EXPECT_EQ(level(), splatterLevel) << "the level control stepped while fldigi received";
    follow("BPSK63 TX");
    EXPECT_LT(level(), splatterLevel) << "no cut while fldigi sent";
    follow("SILENT");  // every poll runs into its time-out
    EXPECT_EQ(h.StatusWord(), "FLDIGI?");

    fldigi.Kill();
    fldigi.Start();  // on the port it had
    follow("BPSK31 TX");
    EXPECT_EQ(h.StatusWord(), "SPLATTER!");
    EXPECT_EQ(h.Title(), "PSK31 RF Monitoring on COM1");
}

// A screen reader learns the status word once the event loop is idle again: a word replaced
// in the same turn (a note over the cycle's word) is never announced.
TEST(StatusPanelTest, AnnouncesTheLastWordOfATurn) {
    StatusPanel panel;
    for (const char* word : {"SIGNAL OK", "FLDIGI?"}) panel.ShowStatusWord(word);
    EXPECT_EQ(panel.AnnouncedStatus(), "");
    QCoreApplication::processEvents();
    EXPECT_EQ(panel.AnnouncedStatus(), "FLDIGI?");
}

}  // namespace
