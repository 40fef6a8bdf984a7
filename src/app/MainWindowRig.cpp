// The main window following the rig through rigctld: once a cycle it asks, without waiting,
// for the rig's transmit state, frequency and mode (and its meters while it transmits),
// holds the level control while the rig receives, shows the rig's frequency, mode and
// meters, warns of a high SWR, and keeps the output's level per band and mode.

#include <string>

#include "app/MainWindow.h"
#include "app/MeasurementDisplay.h"
#include "app/StatusPanel.h"
#include "audio/MixerInventory.h"
#include "rig/RigLink.h"

void MainWindow::BuildRigLink() {
    rigLink_ = new RigLink(this);
    connect(rigLink_, &RigLink::Answered, this, &MainWindow::FollowRig);
    connect(rigLink_, &RigLink::Failed, this, [this] {
        rig_.Failed();
        display_->ShowRigMode("");
    });
}

void MainWindow::ToggleFollowRig() {
    const bool following = followRigAction_->isChecked();
    settings_.RigFollow = following;
    rigLink_->SetAddress(QString::fromStdString(settings_.RigHost), settings_.RigPort);
    // What the rig said before the operator let go of it no longer counts.
    rig_ = RigFollow();
    bandLevels_ = BandLevelKeeper();
    statusLine_->ShowRigRow(following);
    display_->ShowRigMode("");
    display_->ShowRigMeters("");
}

void MainWindow::PollRig() {
    if (followRigAction_->isChecked()) rigLink_->Poll();
}

void MainWindow::FollowRig(const RigReading& reading) {
    rig_.Answered(reading);
    display_->ShowRigMode(rig_.ModeField());
    if (bandLevels_.Follow(rig_.BandModeKey())) RestoreBandLevel();
}

void MainWindow::RestoreBandLevel() {
    const std::optional<int> kept = ReadBandLevel(settingsFile_, bandLevels_.Key());
    // A sweep sets the level itself.
    if (!kept || !mixer_ || Sweeping()) return;
    mixer_->SetMasterVolume(*kept);
    bandLevels_.Kept(*kept);
    display_->ShowMixerLevel();
    Log("Rig on " + bandLevels_.Key() + ": the output starts from its kept level " +
        std::to_string(*kept) + " %");
}

void MainWindow::ShowRigNote(const Measurement& m) {
    if (!followRigAction_->isChecked()) return;
    const std::string note = rig_.StatusNote(settings_.SwrAlert);
    if (!note.empty()) display_->ShowNote(note);
    const bool splatter = m.TwoTone && rig_.AlcActsOnSplatter(m.ImdDb, settings_.TargetIMD);
    display_->ShowRigMeters(rig_.MetersText(splatter));
}

void MainWindow::KeepBandLevel(const Measurement& m) {
    if (!followRigAction_->isChecked() || !levelControlAction_->isChecked() || !mixer_ ||
        Sweeping())
        return;
    const bool met = MeetsTarget(m.State, m.ImdDb, settings_.TargetIMD);
    const std::optional<int> level =
        bandLevels_.Cycle(rig_.Transmitting(), met, mixer_->GetMasterVolume());
    if (level && !SaveBandLevel(settingsFile_, bandLevels_.Key(), *level))
        Log("Could not keep the level for " + bandLevels_.Key());
}

void MainWindow::KeepSweptLevel(int level) {
    if (!followRigAction_->isChecked() || bandLevels_.Key().empty()) return;
    SaveBandLevel(settingsFile_, bandLevels_.Key(), level);
    bandLevels_.Kept(level);
}

bool MainWindow::RigAllowsLevelStep() const {
    return !followRigAction_->isChecked() || rig_.LevelStepsAllowed();
}

RigColumns MainWindow::RigHistoryColumns() const {
    if (!followRigAction_->isChecked()) return {};
    const RigReading& r = rig_.Reading();
    return {r.frequencyHz, r.mode, r.alcPercent, r.swr, r.watts};
}
