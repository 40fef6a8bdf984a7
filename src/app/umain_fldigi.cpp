// The main window following fldigi: once a cycle it asks fldigi, without waiting, for its
// modem and transmit state, switches the meter's PSK mode to match, shows a note in place
// of the status word when fldigi runs another modem or cannot be reached, and holds the
// level control while fldigi is not sending PSK.

#include "app/umain.h"
#include "fldigi/FldigiLink.h"

void TMainForm::BuildFldigiLink() {
    fldigiLink_ = new FldigiLink(this);
    connect(fldigiLink_, &FldigiLink::Answered, this,
            [this](const QString& modemName, const QString& trxState) {
                fldigi_.Answered(modemName.toStdString(), trxState.toStdString());
                FollowFldigiMode();
            });
    connect(fldigiLink_, &FldigiLink::Failed, this, [this] { fldigi_.Failed(); });
}

void TMainForm::FollowFldigiClick() {
    Settings_.FldigiFollow = FollowFldigi->isChecked();
    fldigiLink_->SetAddress(QString::fromStdString(Settings_.FldigiHost), Settings_.FldigiPort);
    // What fldigi said before the operator let go of it no longer counts.
    fldigi_ = FldigiFollow();
}

void TMainForm::PollFldigi() {
    if (FollowFldigi->isChecked()) fldigiLink_->Poll();
}

void TMainForm::FollowFldigiMode() {
    // As the mode command: PSK63 only where the firmware offers it.
    if (!FollowFldigi->isChecked() || !fldigi_.SelectsMode() || !PSK63->isEnabled()) return;
    if (PSK63->isChecked() == fldigi_.WantsPsk63()) return;
    PSK63->setChecked(fldigi_.WantsPsk63());
    PSK63Click();
}

void TMainForm::ShowFldigiNote() {
    if (!FollowFldigi->isChecked()) return;
    const std::string note = fldigi_.StatusNote();
    if (note.empty()) return;
    SetSplatter(note);
    if (IsMinimized()) ShowTitle(note);
}

bool TMainForm::FldigiAllowsLevelStep() const {
    return !FollowFldigi->isChecked() || fldigi_.LevelStepsAllowed();
}
