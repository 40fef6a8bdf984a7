// The main window following fldigi: once a cycle it asks fldigi, without waiting, for its
// modem and transmit state, switches the meter's PSK mode to match, shows a note in place
// of the status word when fldigi runs another modem or cannot be reached, and holds the
// level control while fldigi is not sending PSK.

#include "app/MainWindow.h"
#include "app/MeasurementDisplay.h"
#include "fldigi/FldigiLink.h"

void MainWindow::BuildFldigiLink() {
    fldigiLink_ = new FldigiLink(this);
    connect(fldigiLink_, &FldigiLink::Answered, this,
            [this](const QString& modemName, const QString& trxState) {
                fldigi_.Answered(modemName.toStdString(), trxState.toStdString());
                FollowFldigiMode();
            });
    connect(fldigiLink_, &FldigiLink::Failed, this, [this] { fldigi_.Failed(); });
}

void MainWindow::ToggleFollowFldigi() {
    settings_.FldigiFollow = followFldigiAction_->isChecked();
    fldigiLink_->SetAddress(QString::fromStdString(settings_.FldigiHost), settings_.FldigiPort);
    // What fldigi said before the operator let go of it no longer counts.
    fldigi_ = FldigiFollow();
}

void MainWindow::PollFldigi() {
    if (followFldigiAction_->isChecked()) fldigiLink_->Poll();
}

void MainWindow::FollowFldigiMode() {
    // As the mode command: psk63Action_ only where the firmware offers it.
    if (!followFldigiAction_->isChecked() || !fldigi_.SelectsMode() || !psk63Action_->isEnabled())
        return;
    if (psk63Action_->isChecked() == fldigi_.WantsPsk63()) return;
    psk63Action_->setChecked(fldigi_.WantsPsk63());
    TogglePsk63();
}

void MainWindow::ShowFldigiNote() {
    if (!followFldigiAction_->isChecked()) return;
    const std::string note = fldigi_.StatusNote();
    if (note.empty()) return;
    display_->ShowNote(note);
}

bool MainWindow::FldigiAllowsLevelStep() const {
    return !followFldigiAction_->isChecked() || fldigi_.LevelStepsAllowed();
}
