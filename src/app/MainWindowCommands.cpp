// The main window's pop-up menu commands and the tray icon's menu. Each shows its
// dialog modally and applies what the dialog shows when it closes; measurement cycles
// go on while a dialog is open.

#include <QApplication>
#include <QCursor>

#include "app/DialogSet.h"
#include "app/MainWindow.h"
#include "app/MeasurementDisplay.h"
#include "app/TerminationSignals.h"
#include "audio/MixerInventory.h"
#include "audio/SoundOutputChoice.h"
#include "base/MessagePresenter.h"
#include "desktop/TrayIcon.h"
#include "dialogs/Commands.h"
#include "dialogs/HistoryWindow.h"
#include "measure/EnvelopeChart.h"
#include "meter/MeterProtocol.h"
#include "meter/PortListing.h"
#include "platform/SystemInfo.h"

namespace {
constexpr uint32_t kNotNtFamilyBit = 0x80000000u;
}

void MainWindow::ChoosePort() {
    const int previous = link_.ComPort;
    const bool ntFamily = (services_.System.VersionWord() & kNotNtFamilyBit) == 0;
    SerialDeviceList* devices = services_.Devices;
    const PortChoice choice = dialogs_->portDialog->Run(
        this, previous, ntFamily,
        devices ? ListPorts(*devices, kComPortEntryCount) : PlainPortEntries(kComPortEntryCount));
    if (Ending()) return;
    // A device that no COM name reached gets the first free one, for good, so that the
    // saved port stays a COM number.
    const int chosen = choice.NewDevice && devices
                           ? AssignFirstFreeComPort(*devices, *choice.NewDevice)
                           : choice.ComPort;

    // The port is about to change under the cycle: let the exchange in flight finish. The
    // retries for a port that was unplugged end here: the operator chose again.
    const bool polling = HoldPort();
    link_.ClosePort();
    link_.ComPort = chosen;
    const bool opened = link_.OpenComPort();
    SetCaption(link_.Caption());
    if (!opened) {
        services_.Messages.ShowMessage(
            tr("Error").toStdString(), MessageKind::Error,
            CouldNotOpenText(choice.ListText) + "\n" + link_.OpenFailure());
        WaitForCycle();
        link_.ComPort = previous;
        dialogs_->portDialog->ShowPort(previous);
        link_.OpenComPort();
        SetCaption(link_.Caption());
    }
    // If the old port is gone too, it is tried again until it comes back.
    if (link_.IsOpen())
        ResumePolling(polling);
    else
        MeterDisconnected(ComPortName(link_.ComPort) + " could not be opened");
}

void MainWindow::TogglePsk63() {
    const bool psk63 = psk63Action_->isChecked();
    display_->ShowMode(psk63 ? "PSK63" : "PSK31");
    SetCaption(MonitoringCaption(psk63, link_.ComPort));
}

void MainWindow::ChooseRefreshRate() {
    const int interval = dialogs_->refreshRateDialog->Run(this, pollTimer_->interval());
    if (Ending()) return;
    settings_.RefreshRate = interval;
    pollTimer_->setInterval(TimerInterval());
}

void MainWindow::ToggleAlwaysOnTop() {
    ApplyStayOnTop(alwaysOnTopAction_->isChecked());
}

void MainWindow::ToggleTextMode() {
    if (textModeAction_->isChecked()) {
        // Text cycles measure nothing a sweep could use.
        EndSweep(SweepStop::Cancelled);
        textView_->setGeometry(chart_->geometry());
        textView_->setEnabled(true);
        textView_->show();
        textView_->raise();
    } else {
        chart_->show();
        textView_->hide();
    }
}

void MainWindow::ToggleLevelControl() {
    display_->ShowLevelControl(levelControlAction_->isChecked());
}

void MainWindow::ChooseGain() {
    const double gain = dialogs_->gainDialog->Run(this, settings_.Gain);
    if (!Ending()) settings_.Gain = gain;
}

void MainWindow::ChooseTargetImd() {
    const int target = dialogs_->targetImdDialog->Run(this, settings_.TargetIMD);
    if (!Ending()) settings_.TargetIMD = target;
}

void MainWindow::ChooseNoiseThreshold() {
    const int noiseFloor = dialogs_->noiseThresholdDialog->Run(this, settings_.NoiseFloor);
    if (!Ending()) settings_.NoiseFloor = noiseFloor;
}

void MainWindow::ChoosePowerLimit() {
    PowerLimitSettings current;
    current.PowerLimitEnabled = settings_.PowerLimitEnabled;
    current.MaxWatts = settings_.MaxWatts;
    current.MaxVolts = settings_.MaxVolts;
    current.QRPJumpered = settings_.QRPJumpered;
    const PowerLimitSettings chosen =
        dialogs_->powerLimitDialog->Run(this, current, services_.Messages);
    if (Ending()) return;
    settings_.PowerLimitEnabled = chosen.PowerLimitEnabled;
    settings_.MaxWatts = chosen.MaxWatts;
    settings_.MaxVolts = chosen.MaxVolts;
    settings_.QRPJumpered = chosen.QRPJumpered;
    powerLimitAction_->setChecked(settings_.PowerLimitEnabled);
}

void MainWindow::ChooseShowPower() {
    const ShowPowerChoice chosen =
        dialogs_->showPowerDialog->Run(this, {settings_.ShowPower, settings_.QRPJumpered});
    if (Ending()) return;
    settings_.ShowPower = chosen.showPower;
    settings_.QRPJumpered = chosen.qrpJumpered;
}

void MainWindow::ChooseSoundCard() {
    if (!mixer_) return;
    const std::optional<int> chosen =
        dialogs_->soundCardDialog->Run(this, *mixer_, settings_.SoundCard, services_.Messages);
    if (!chosen || Ending()) return;
    EndSweep(SweepStop::Cancelled);  // its levels belong to the output it started on
    settings_.SoundCard = *chosen;
    settings_.SoundOutput = IdOfDevice(services_.MixerDevices, *chosen);
    CreateVolumeControl();
}

void MainWindow::OpenSoundCardTest() {
    if (mixer_) dialogs_->testSoundCardDialog->Run(this, *mixer_);
}

void MainWindow::OpenHistory() {
    if (!historyWindow_)
        historyWindow_ = new HistoryWindow(
            history_, [this] { return settings_.TargetIMD; }, services_.Messages, this);
    historyWindow_->Open();
}

void MainWindow::ShowAbout() {
    const bool polling = HoldPort();
    dialogs_->aboutDialog->Run(
        this, services_.System.ProgramVersion(), services_.System.OsName(), [this] {
            const std::string text = link_.GetFirmwareInfo(settings_.FakeDataEnabled);
            const bool psk63 = FirmwareSupportsPsk63(link_.FirmwareVersion);
            psk63Action_->setEnabled(psk63);
            display_->ShowMode(!psk63 ? "" : (psk63Action_->isChecked() ? "PSK63" : "PSK31"));
            return text;
        });
    ResumePolling(polling);
}

void MainWindow::ShowColorCode() {
    services_.Messages.ShowMessage(
        tr("QUORVANE tray icon color codes").toStdString(), MessageKind::Information,
        tr("White = No signal;Black = Underdriven (weak) signal;"
           "Blue  = Clean signal;Red   = Overmodulated signal (splatter)")
            .toStdString());
}

void MainWindow::ExitFromTray() {
    // Leaving the message loop runs the normal shutdown in the program entry. A command
    // whose dialog is open underneath applies nothing when it resumes.
    ending_ = true;
    QApplication::exit(0);
}

bool MainWindow::Ending() const {
    return ending_ || TerminationRequested();
}
