// The main window's pop-up menu commands and the tray icon's menu. Each shows its
// dialog modally and applies what the dialog shows when it closes; measurement cycles
// go on while a dialog is open.

#include <QApplication>
#include <QCursor>

#include "app/DialogSet.h"
#include "app/StatusPanel.h"
#include "app/TerminationSignals.h"
#include "app/umain.h"
#include "audio/usound.h"
#include "base/MessagePresenter.h"
#include "desktop/SpTrayIc.h"
#include "dialogs/Commands.h"
#include "dialogs/uhistory.h"
#include "measure/EnvelopeChart.h"
#include "meter/MeterProtocol.h"
#include "meter/PortListing.h"
#include "platform/SystemInfo.h"

namespace {
constexpr uint32_t kNotNtFamilyBit = 0x80000000u;
}

void TMainForm::ComPort1Click() {
    const int previous = Link.ComPort;
    const bool ntFamily = (services_.System.VersionWord() & kNotNtFamilyBit) == 0;
    SerialDeviceList* devices = services_.Devices;
    const PortChoice choice = dialogs_->PortForm->Run(
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
    Link.ClosePort();
    Link.ComPort = chosen;
    const bool opened = Link.OpenComPort();
    SetCaption(Link.Caption());
    if (!opened) {
        services_.Messages.MessageDialog(
            "Error", "!", "Could not open " + choice.ListText + "\n" + Link.OpenFailure());
        WaitForCycle();
        Link.ComPort = previous;
        dialogs_->PortForm->ShowPort(previous);
        Link.OpenComPort();
        SetCaption(Link.Caption());
    }
    // If the old port is gone too, it is tried again until it comes back.
    if (Link.IsOpen())
        ResumePolling(polling);
    else
        MeterDisconnected(ComPortName(Link.ComPort) + " could not be opened");
}

void TMainForm::PSK63Click() {
    const bool psk63 = PSK63->isChecked();
    Panel1->Mode->setText(psk63 ? "PSK63" : "PSK31");
    SetCaption(MonitoringCaption(psk63, Link.ComPort));
}

void TMainForm::RefreshRate1Click() {
    const int interval = dialogs_->RefreshForm->Run(this, Timer1->interval());
    if (Ending()) return;
    Settings_.RefreshRate = interval;
    Timer1->setInterval(TimerInterval());
}

void TMainForm::AlwaysonTop1Click() {
    ApplyStayOnTop(AlwaysonTop1->isChecked());
}

void TMainForm::DataMode1Click() {
    if (DataMode1->isChecked()) {
        Memo1->setGeometry(Chart->geometry());
        Memo1->setEnabled(true);
        Memo1->show();
        Memo1->raise();
    } else {
        Chart->show();
        Memo1->hide();
    }
}

void TMainForm::ALCClick() {
    Panel1->Auto->setText(ALC->isChecked() ? "AUTO" : "");
}

void TMainForm::Feedbackgain1Click() {
    const double gain = dialogs_->GainForm->Run(this, Settings_.Gain);
    if (!Ending()) Settings_.Gain = gain;
}

void TMainForm::argetIMD1Click() {
    const int target = dialogs_->IMDForm->Run(this, Settings_.TargetIMD);
    if (!Ending()) Settings_.TargetIMD = target;
}

void TMainForm::NoiseThreshold1Click() {
    const int noiseFloor = dialogs_->NoiseForm->Run(this, Settings_.NoiseFloor);
    if (!Ending()) Settings_.NoiseFloor = noiseFloor;
}

void TMainForm::PowerLimitClickClick() {
    PowerLimitSettings current;
    current.PowerLimitEnabled = Settings_.PowerLimitEnabled;
    current.MaxWatts = Settings_.MaxWatts;
    current.MaxVolts = Settings_.MaxVolts;
    current.QRPJumpered = Settings_.QRPJumpered;
    const PowerLimitSettings chosen =
        dialogs_->PowerLimitForm->Run(this, current, services_.Messages);
    if (Ending()) return;
    Settings_.PowerLimitEnabled = chosen.PowerLimitEnabled;
    Settings_.MaxWatts = chosen.MaxWatts;
    Settings_.MaxVolts = chosen.MaxVolts;
    Settings_.QRPJumpered = chosen.QRPJumpered;
    PowerLimit->setChecked(Settings_.PowerLimitEnabled);
}

void TMainForm::ShowPowerClick() {
    const bool qrp = dialogs_->ShowPowerForm->Run(this, Settings_.QRPJumpered);
    if (!Ending()) Settings_.QRPJumpered = qrp;
}

void TMainForm::SetSoundCardClick() {
    if (!VolumeControl) return;
    const std::optional<int> chosen =
        dialogs_->SoundCardForm->Run(this, *VolumeControl, Settings_.SoundCard, services_.Messages);
    if (!chosen || Ending()) return;
    Settings_.SoundCard = *chosen;
    CreateVolumeControl();
}

void TMainForm::TestSoundCardClick() {
    if (VolumeControl) dialogs_->TestSoundCardForm->Run(this, *VolumeControl);
}

void TMainForm::History1Click() {
    if (!historyForm_)
        historyForm_ = new THistoryForm(
            history_, [this] { return Settings_.TargetIMD; }, services_.Messages, this);
    historyForm_->Open();
}

void TMainForm::About1Click() {
    const bool polling = HoldPort();
    dialogs_->AboutForm->Run(
        this, services_.System.ProgramVersion(), services_.System.OsName(), [this] {
            const std::string text = Link.GetFirmwareInfo(Settings_.FakeDataEnabled);
            const bool psk63 = FirmwareSupportsPsk63(Link.FirmwareVersion);
            PSK63->setEnabled(psk63);
            Panel1->Mode->setText(!psk63 ? "" : (PSK63->isChecked() ? "PSK63" : "PSK31"));
            return text;
        });
    ResumePolling(polling);
}

void TMainForm::LedIconMouseDown(int, int x, int y) {
    activateWindow();
    LedIconPopupMenu->exec(QPoint(x, y));
}

void TMainForm::ColorCode1Click() {
    services_.Messages.MessageDialog(
        "QUORVANE tray icon color codes", "i",
        "White = No signal;Black = Underdriven (weak) signal;"
        "Blue  = Clean signal;Red   = Overmodulated signal (splatter)");
}

void TMainForm::asdf1Click() {
    // Leaving the message loop runs the normal shutdown in the program entry. A command
    // whose dialog is open underneath applies nothing when it resumes.
    ending_ = true;
    QApplication::exit(0);
}

bool TMainForm::Ending() const {
    return ending_ || TerminationRequested();
}
