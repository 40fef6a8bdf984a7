#pragma once
// The main window: owns the program's state for its whole life (settings, the meter
// link, the log, the measurement timer, the chart and status line, the tray light) and
// runs start-up, the measurement cycles, the pop-up menu's commands and shutdown.

#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "app/ExchangeRunner.h"
#include "app/QueuedPresenter.h"
#include "audio/StatusCues.h"
#include "fldigi/FldigiFollow.h"
#include "measure/FakeData.h"
#include "measure/GraphCycle.h"
#include "measure/HistoryCsv.h"
#include "measure/LevelSweep.h"
#include "meter/MeterLink.h"
#include "rig/RigFollow.h"
#include "settings/LogFile.h"
#include "settings/Settings.h"

struct DialogSet;
class EnvelopeChart;
class FldigiLink;
class RigLink;
class LedIconImages;
class MeasurementDisplay;
class Mixer;
class MessagePresenter;
class PortSharing;
class ProfileFile;
class QtTrayShell;
class StatusPanel;
class SystemInfo;
class HistoryWindow;
class BestLevelWindow;
class TrayIcon;
class MixerInventory;
class MqttPublisher;
struct MqttLinkStatus;
class SerialPorts;
class SerialDeviceList;
class UserFolders;

// What the main window is wired to: the real platform in the program, fakes in tests.
struct MainWindowServices {
    SerialPorts& Ports;
    ProfileFile& Profile;
    SystemInfo& System;
    Mixer& MixerDevices;
    MessagePresenter& Messages;
    PortSharing* Sharing = nullptr;
    // The port dialog lists plain COM names without it.
    SerialDeviceList* Devices = nullptr;
    // Where the log and the history file go when the working folder is read-only; without
    // it they stay where they are named.
    UserFolders* Folders = nullptr;
    // Plays the status cues on the desktop's default output; without it there are none.
    CuePlayer* Cues = nullptr;
};

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up. False when no port could be opened: the program then ends, with status 1
    // so that a failed start is not reported as success, and the settings file is left
    // as it was.
    bool StartUp();
    // The shutdown save: settings, then the port, then the log. Runs once.
    void ShutDown();
    // The dialogs live from after start-up to before shutdown; null detaches them.
    void AttachDialogs(DialogSet* dialogs) { dialogs_ = dialogs; }

    // A later start of the program asks this one forward.
    void BringForward();

    void Log(const std::string& text) { log_.Log(text); }

    // Menu commands.
    void ChoosePort();
    void TogglePsk63();
    void ToggleFollowFldigi();
    void ToggleFollowRig();
    void ChooseRefreshRate();
    void ToggleAlwaysOnTop();
    void ToggleTextMode();
    void ToggleLevelControl();
    void ChooseGain();
    void ChooseTargetImd();  // Target IMD
    void ChooseNoiseThreshold();
    void ChoosePowerLimit();
    void ChooseShowPower();
    void ChooseSoundCard();
    void OpenSoundCardTest();
    void OpenHistory();
    void OpenBestLevel();
    void ChooseMqtt();
    void ShowAbout();
    void ShowColorCode();
    void ExitFromTray();  // the tray menu's Exit

    // One timer tick: starts the cycle's exchange with the meter; the cycle finishes on
    // this thread when the reply is in.
    void PollTick();
    // Blocks until the exchange in flight, if any, has finished and been shown.
    void WaitForCycle();
    // While the meter is disconnected: one try to reopen its port, off this thread.
    void ReconnectTick();

    const std::string& Caption() const { return caption_; }
    const GraphCycle& Graph() const { return graph_; }
    // Start-up and shutdown stop the polling around the dialogs' life.
    QTimer* PollTimer() const { return pollTimer_; }

signals:
    // A cycle has been shown (graph or text); tests wait on it.
    void CycleFinished();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The tests' and benchmarks' window into the state below.
    friend class MainWindowProbe;

    // The program's state and the controls; tests reach them through MainWindowProbe.
    Settings settings_;
    int minimized_ = 0;
    MeterLink link_;

    QTimer* pollTimer_;
    QTimer* reconnectTimer_;
    EnvelopeChart* chart_;
    StatusPanel* statusLine_;
    QPlainTextEdit* textView_;
    QMenu* contextMenu_;
    QAction* portAction_;
    QAction* psk63Action_;
    QAction* followFldigiAction_;
    QAction* followRigAction_;
    QAction* refreshRateAction_;
    QAction* alwaysOnTopAction_;
    QAction* textModeAction_;
    QAction* levelControlAction_;
    QAction* gainAction_;
    QAction* targetImdAction_;
    QAction* noiseThresholdAction_;
    QAction* powerLimitAction_;
    QAction* showPowerAction_;
    QAction* soundCardAction_;
    QAction* testSoundCardAction_;
    QAction* soundCuesAction_;
    QAction* historyAction_;
    QAction* bestLevelAction_;
    QAction* mqttAction_;
    QAction* aboutAction_;
    QMenu* trayMenu_;
    QAction* colorCodeAction_;
    QAction* exitAction_;
    std::unique_ptr<TrayIcon> trayIcon_;
    // The mixer the level control steers; recreated when the sound card changes.
    std::unique_ptr<MixerInventory> mixer_;

    void BuildControls();
    void BuildPopupMenu();
    void BuildTrayIcon();
    void BuildDisplay();
    // The pop-up menu for the Menu key and Shift+F10, on the chart, its first entry current.
    void OpenMenuFromKeyboard();
    QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, bool checkable,
                         void (MainWindow::*handler)());

    // Start-up steps.
    bool OpenLog();
    bool OpenStartupPort();
    void PlaceWindow();
    void ApplyStayOnTop(bool onTop);
    void ShowFirmwareMode(const std::string& firmwareVersion);
    void CreateVolumeControl();

    // Measurement cycles.
    void StartGraphCycle();
    void StartTextCycle();
    void FinishGraphCycle(const GraphExchangeResult& result);
    void FinishTextCycle(const TextExchangeResult& result);
    // What both cycles check first: a hang-up, the graph cycle's firmware query, the
    // meter's identification text. True when the cycle ends there.
    bool EndsBeforeFrame(const DataReply& reply, const GraphExchangeResult* graph);
    void ShowTextFrame(const std::string& reply);
    void OpenHistoryLog();
    void RecordHistory(const Measurement& m);
    ExchangeRequest MakeExchangeRequest();
    void SetCaption(const std::string& caption);
    void ShowTitle(const std::string& title);
    GraphSettings CurrentGraphSettings() const;
    int TimerInterval() const;

    // The meter's port hung up (or could not be reopened): the port is closed, the status
    // line says so, and the port is tried again every 2 s.
    void MeterDisconnected(const std::string& why);
    void FinishReconnect(const std::optional<std::string>& firmware);
    // Commands that use the port themselves hold the cycles and the retries meanwhile;
    // HoldPort says whether either was running, for ResumePolling to take up again.
    bool HoldPort();
    void ResumePolling(bool polling);

    // The level control, as the measurement display hands on a cycle's steps.
    void StepLevel(std::int32_t step);
    std::int32_t CurrentMixerLevel() const;

    // The best-level sweep (MainWindowSweep.cpp). Level steps of the level control wait
    // while it runs; whenever it ends without the operator taking its result, the output's
    // volume goes back to where it was.
    void StartSweep();
    bool Sweeping() const;
    void FeedSweep(const Measurement& m);
    void FinishSweep();
    void EndSweep(SweepStop why);
    void UseBestLevel();
    void KeepOldLevel();
    std::string OutputName();
    static SweepResult KeptResult(const KeptBestLevel& kept);

    // Following fldigi (MainWindowFldigi.cpp).
    void BuildFldigiLink();
    void PollFldigi();
    void FollowFldigiMode();
    void ShowFldigiNote();
    bool FldigiAllowsLevelStep() const;

    // Following the rig through rigctld (MainWindowRig.cpp).
    void BuildRigLink();
    void PollRig();
    void FollowRig(const RigReading& reading);
    void RestoreBandLevel();
    void ShowRigNote(const Measurement& m);
    void KeepBandLevel(const Measurement& m);
    void KeepSweptLevel(int level);
    bool RigAllowsLevelStep() const;
    RigColumns RigHistoryColumns() const;
    // Publishing over MQTT (MainWindowMqtt.cpp).
    void BuildMqtt();
    void StartMqtt();
    void PublishCycle(const Measurement& m);
    void ShowMqttStatus(const MqttLinkStatus& status);

    // The program is on its way out: commands resuming after their dialog apply nothing.
    bool Ending() const;

    MainWindowServices services_;
    QueuedPresenter linkMessages_;
    StatusCues statusCues_;
    DialogSet* dialogs_ = nullptr;
    SettingsFile settingsFile_;
    LogFile log_;
    GraphCycle graph_;
    FakeData fakeData_;
    // Every graph cycle's figures this session, the running CSV log of them if asked for,
    // and their window once opened.
    HistoryStore history_;
    HistoryCsvLog historyLog_;
    HistoryWindow* historyWindow_ = nullptr;
    BestLevelWindow* bestLevelWindow_ = nullptr;
    // A sweep running or finished and not yet answered; where the output's volume was.
    std::unique_ptr<LevelSweep> sweep_;
    std::optional<SweepResult> sweepResult_;
    int sweepStartLevel_ = 0;
    ExchangeRunner exchange_;
    std::unique_ptr<QtTrayShell> trayShell_;
    std::unique_ptr<LedIconImages> ledImages_;
    std::unique_ptr<MeasurementDisplay> display_;
    FldigiLink* fldigiLink_ = nullptr;
    FldigiFollow fldigi_;
    RigLink* rigLink_ = nullptr;
    RigFollow rig_;
    BandLevelKeeper bandLevels_;
    std::unique_ptr<MqttPublisher> mqtt_;
    std::string caption_;
    // On Qt's Wayland plugin the window cannot learn its place, keep itself on top or know
    // that it was minimized: the status then goes before the caption (nativeTitle_).
    bool nativeWayland_ = false;
    std::string nativeTitle_;
    char decimalSeparator_ = '.';
    bool destroyed_ = false;
    bool ending_ = false;
};
