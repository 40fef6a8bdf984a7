#pragma once
// The real main window, offscreen, against the meter emulator on a real pseudo-terminal,
// in a private settings folder and working directory; fakes for the mixer and the system.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/DialogSet.h"
#include "app/MainWindow.h"
#include "dialogs/MessageDialog.h"
#include "fakes/FakeMixer.h"
#include "fakes/FakeSystemInfo.h"
#include "meter/PortSharingDriver.h"
#include "meter/SharedPortDecision.h"
#include "platform/Mixer.h"
#include "platform/linux/LinuxDriverServices.h"
#include "platform/linux/LinuxProfileFile.h"
#include "platform/linux/LinuxSerialPorts.h"
#include "platform/linux/UdevSerialDevices.h"
#include "support/MeterSim.h"
#include "support/TempConfigHome.h"

// The tests' and benchmarks' view of the main window's private state and controls, under
// names of their own.
class MainWindowProbe {
public:
    explicit MainWindowProbe(MainWindow& form) : f_(form) {}

    // A graph cycle's reply shown as the exchange hands it over, without the wire.
    static void ShowGraphReply(MainWindow& form, const std::string& reply) {
        GraphExchangeResult result;
        result.Reply = reply;
        form.FinishGraphCycle(result);
    }

    std::unique_ptr<MixerInventory>& Inventory() const { return f_.mixer_; }
    std::unique_ptr<TrayIcon>& TrayLight() const { return f_.trayIcon_; }
    QTimer* PollTimer() const { return f_.pollTimer_; }
    EnvelopeChart* Chart() const { return f_.chart_; }
    StatusPanel* StatusLine() const { return f_.statusLine_; }
    QPlainTextEdit* TextView() const { return f_.textView_; }
    FldigiLink* Fldigi() const { return f_.fldigiLink_; }
    RigLink* Rig() const { return f_.rigLink_; }

private:
    MainWindow& f_;
};

// One card: "Volume Control" with Master at 75 % and a "Wave" source at 80 %, and a
// "Recording Control" with a microphone.
std::vector<FakeDevice> OneCardMixer();

class MainWindowHarness {
public:
    struct Options {
        std::vector<FakeDevice> mixer = OneCardMixer();
        std::string settings;          // quorvane.ini written before start-up, if not empty
        ::Mixer* realMixer = nullptr;  // in place of the fake one, when given
        CuePlayer* cues = nullptr;     // no status cues without one
        MeterSim::Options meter;
    };

    explicit MainWindowHarness(Options options);
    ~MainWindowHarness();
    MainWindowHarness(const MainWindowHarness&) = delete;
    MainWindowHarness& operator=(const MainWindowHarness&) = delete;

    // Start-up and the dialogs, as the program entry runs them. False when start-up ended
    // the program. The measurement timer is stopped afterwards: tests run the cycles
    // themselves with Cycle(), each to the end of its display.
    bool Start();
    void Cycle();
    // Cycles with the message loop running in between until fldigi and the rig, where
    // followed, have answered each cycle's poll. A cycle shows what they said at the one
    // before.
    void FollowingCycles(int count);
    // The dialogs, then the main window's save, as at the end of the program. Runs once.
    void Shutdown();

    MainWindow& Form() { return *form_; }
    MainWindowProbe Probe() const { return MainWindowProbe(*form_); }
    DialogSet& Dialogs() { return *dialogs_; }
    MeterSim& Meter() { return *meter_; }
    FakeMixer& Mixer() { return mixer_; }
    TempConfigHome& Home() { return home_; }
    // Every message dialog shown so far; each was answered with its first button.
    const std::vector<MessageRequest>& Messages() const { return recorder_.Shown(); }

    // The pop-up menu's command by its name, as the window names it.
    QAction* Command(const char* name) const;
    // Picks `command` as the operator would and, once `dialog` is open as the active modal
    // window, runs `act` and closes the dialog with its close box. False when the command
    // ended without opening the dialog.
    bool Operate(QAction* command, QDialog& dialog, const std::function<void()>& act = {});

    // A key of the settings file as it is on disk now; empty when it is missing.
    std::string Saved(const std::string& section, const std::string& key) const {
        return profile_->Read(section, key).value_or("");
    }
    // A second emulator linked as COMn.
    std::unique_ptr<MeterSim> StartMeterOn(int comPort) {
        return std::make_unique<MeterSim>(LinkPath(comPort), MeterSim::Options{});
    }
    // Makes COMn a link to nowhere, so that opening it fails.
    void BreakPort(int comPort);
    const std::string& WorkDir() const { return workDir_; }
    // Status line texts by label name, StatusWord() its status word; Title() is the caption.
    std::string Label(const char* name) const;
    std::string StatusWord() const { return Label("statusWord"); }
    std::string Title() const { return form_->windowTitle().toStdString(); }

private:
    std::string LinkPath(int comPort) const {
        return home_.ConfigDir() + "/dosdevices/com" + std::to_string(comPort);
    }

    TempConfigHome home_;
    std::string workDir_;
    std::string previousDir_;
    std::unique_ptr<MeterSim> meter_;
    FakeSystemInfo system_;
    LinuxSerialPorts ports_;
    UdevSerialDevices devices_;
    LinuxDriverServices driverServices_;
    PortSharingDriver sharingDriver_{driverServices_, ports_};
    SharedPortDecision sharing_{driverServices_, sharingDriver_};
    std::unique_ptr<LinuxProfileFile> profile_;
    FakeMixer mixer_;
    ::Mixer* realMixer_ = nullptr;
    CuePlayer* cues_ = nullptr;
    MessageDialogRecorder recorder_;
    QtMessagePresenter messages_;
    std::unique_ptr<MainWindow> form_;
    std::unique_ptr<DialogSet> dialogs_;
    bool shutDown_ = false;
};
