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
#include "fldigi/FldigiFollow.h"
#include "measure/FakeData.h"
#include "measure/GraphCycle.h"
#include "measure/HistoryCsv.h"
#include "meter/MeterLink.h"
#include "settings/LogFile.h"
#include "settings/Settings.h"

struct DialogSet;
class EnvelopeChart;
class FldigiLink;
class LedIconImages;
class Mixer;
class MessagePresenter;
class PortSharing;
class ProfileFile;
class QtTrayShell;
class StatusPanel;
class SystemInfo;
class THistoryForm;
class TSpTrayIcon;
class TspVolumeControl;
class SerialPorts;
class SerialDeviceList;

// What the main window is wired to: the real platform in the program, fakes in tests.
struct MainFormServices {
    SerialPorts& Ports;
    ProfileFile& Profile;
    SystemInfo& System;
    Mixer& MixerDevices;
    MessagePresenter& Messages;
    PortSharing* Sharing = nullptr;
    // The port dialog lists plain COM names without it.
    SerialDeviceList* Devices = nullptr;
};

class TMainForm : public QWidget, private GraphView {
    Q_OBJECT
public:
    explicit TMainForm(MainFormServices services, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Start-up. False when no port could be opened: the program then ends, with status 1
    // so that a failed start is not reported as success, and the settings file is left
    // as it was.
    bool FormCreate();
    // The shutdown save: settings, then the port, then the log. Runs once.
    void FormDestroy();
    // The dialogs live from after start-up to before shutdown; null detaches them.
    void AttachDialogs(DialogSet* dialogs) { dialogs_ = dialogs; }

    // A later start of the program asks this one forward.
    void BringForward();

    void Log(const std::string& text) { LogFile_.Log(text); }

    // Menu commands.
    void ComPort1Click();
    void PSK63Click();
    void FollowFldigiClick();
    void RefreshRate1Click();
    void AlwaysonTop1Click();
    void DataMode1Click();
    void ALCClick();
    void Feedbackgain1Click();
    void argetIMD1Click();  // Target IMD
    void NoiseThreshold1Click();
    void PowerLimitClickClick();
    void ShowPowerClick();
    void SetSoundCardClick();
    void TestSoundCardClick();
    void History1Click();
    void About1Click();
    void ColorCode1Click();
    void asdf1Click();  // the tray menu's Exit

    // One timer tick: starts the cycle's exchange with the meter; the cycle finishes on
    // this thread when the reply is in.
    void Timer1Timer();
    // Blocks until the exchange in flight, if any, has finished and been shown.
    void WaitForCycle();
    // While the meter is disconnected: one try to reopen its port, off this thread.
    void ReconnectTimerTimer();

    const std::string& Caption() const { return caption_; }
    const GraphCycle& Graph() const { return graph_; }
    // Start-up and shutdown stop the polling around the dialogs' life.
    QTimer* PollTimer() const { return Timer1; }

signals:
    // A cycle has been shown (graph or text); tests wait on it.
    void CycleFinished();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The tests' and benchmarks' window into the state below.
    friend class MainFormProbe;

    // The program's state and the controls, under the names of the design; tests reach
    // them through MainFormProbe.
    Settings Settings_;
    int Minimized = 0;
    MeterLink Link;

    QTimer* Timer1;
    QTimer* reconnectTimer_;
    EnvelopeChart* Chart;
    StatusPanel* Panel1;
    QPlainTextEdit* Memo1;
    QMenu* PopupMenu1;
    QAction* ComPort1;
    QAction* PSK63;
    QAction* FollowFldigi;
    QAction* RefreshRate1;
    QAction* AlwaysonTop1;
    QAction* DataMode1;
    QAction* ALC;
    QAction* Feedbackgain1;
    QAction* argetIMD1;
    QAction* NoiseThreshold1;
    QAction* PowerLimit;
    QAction* ShowPower;
    QAction* SetSoundCard;
    QAction* TestSoundCard;
    QAction* History1;
    QAction* About1;
    QMenu* LedIconPopupMenu;
    QAction* ColorCode1;
    QAction* asdf1;
    std::unique_ptr<TSpTrayIcon> LedIcon;
    // The mixer the level control steers; recreated when the sound card changes.
    std::unique_ptr<TspVolumeControl> VolumeControl;

    void BuildControls();
    void BuildPopupMenu();
    void BuildTrayIcon();
    QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, bool checkable,
                         void (TMainForm::*handler)());

    // Start-up steps.
    bool OpenLog();
    bool OpenStartupPort();
    void PlaceWindow();
    void ApplyStayOnTop(bool onTop);
    void ShowFirmwareMode(const std::string& firmwareVersion);
    void CreateVolumeControl();
    void UpdateLevelLabel();

    // Measurement cycles.
    void StartGraphCycle();
    void StartTextCycle();
    void FinishGraphCycle(const GraphExchangeResult& result);
    void FinishTextCycle(const TextExchangeResult& result);
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

    // GraphView.
    void ClearSeries() override;
    void AppendEnvelope(int n, double b) override;
    void AppendIdeal(int n, double v) override;
    void SetSplatter(const std::string& text) override;
    void SetRms(const std::string& text) override;
    void SetImd(const std::string& text) override;
    void SetMaxVoltage(const std::string& text) override;
    void SetPowerEstimate(const std::string& text) override;
    void SetLevel(const std::string& text) override;
    void SetTitle(const std::string& text) override;
    void SetIconVisible(bool visible) override;
    void SetIconIndex(int index) override;
    void ChangeAudioLevel(std::int32_t step) override;
    std::int32_t MixerLevel() override;
    bool ShowPowerChecked() override;
    bool QrpSelected() override;
    bool IsMinimized() override;

    // Following fldigi (umain_fldigi.cpp).
    void BuildFldigiLink();
    void PollFldigi();
    void FollowFldigiMode();
    void ShowFldigiNote();
    bool FldigiAllowsLevelStep() const;

    void LedIconMouseDown(int button, int x, int y);
    // The program is on its way out: commands resuming after their dialog apply nothing.
    bool Ending() const;

    MainFormServices services_;
    QueuedPresenter linkMessages_;
    DialogSet* dialogs_ = nullptr;
    SettingsFile settingsFile_;
    LogFile LogFile_;
    GraphCycle graph_;
    FakeData fakeData_;
    // Every graph cycle's figures this session, the running CSV log of them if asked for,
    // and their window once opened.
    HistoryStore history_;
    HistoryCsvLog historyLog_;
    THistoryForm* historyForm_ = nullptr;
    ExchangeRunner exchange_;
    std::unique_ptr<QtTrayShell> trayShell_;
    std::unique_ptr<LedIconImages> ledImages_;
    FldigiLink* fldigiLink_ = nullptr;
    FldigiFollow fldigi_;
    std::string caption_;
    char decimalSeparator_ = '.';
    bool destroyed_ = false;
    bool ending_ = false;
};
