// The main window's best-level sweep: it moves the sound output's volume step by step as the
// sweep asks, feeds it every graph cycle's figures, holds the level control meanwhile, and
// puts the starting volume back whenever the sweep ends without the operator taking its
// result.

#include "app/MainWindow.h"
#include "app/MeasurementDisplay.h"
#include "audio/MixerInventory.h"
#include "dialogs/BestLevelWindow.h"
#include "measure/HistoryCsv.h"

#include <QDateTime>

namespace {
QString StopText(SweepStop why) {
    switch (why) {
        case SweepStop::SignalGone:
            return MainWindow::tr("Stopped: the signal went away. The old level is back.");
        case SweepStop::Cancelled:
            return MainWindow::tr("Cancelled. The old level is back.");
        default:
            return {};
    }
}
}  // namespace

void MainWindow::OpenBestLevel() {
    if (!bestLevelWindow_) {
        bestLevelWindow_ = new BestLevelWindow(this);
        connect(bestLevelWindow_, &BestLevelWindow::StartRequested, this, &MainWindow::StartSweep);
        connect(bestLevelWindow_, &BestLevelWindow::CancelRequested, this,
                [this] { EndSweep(SweepStop::Cancelled); });
        // Closed unanswered, the old level stands.
        connect(bestLevelWindow_, &BestLevelWindow::Closed, this, [this] {
            if (sweep_ && !sweep_->Running())
                KeepOldLevel();
            else
                EndSweep(SweepStop::Cancelled);
        });
        connect(bestLevelWindow_, &BestLevelWindow::UseRequested, this, &MainWindow::UseBestLevel);
        connect(bestLevelWindow_, &BestLevelWindow::KeepRequested, this, &MainWindow::KeepOldLevel);
    }
    if (!sweep_) {
        const std::optional<KeptBestLevel> kept = ReadBestLevel(settingsFile_, OutputName());
        bestLevelWindow_->ShowStored(kept ? tr("Last time: %1")
                                                .arg(QString::fromStdString(BestLevelText(
                                                    KeptResult(*kept), decimalSeparator_)))
                                          : QString());
    }
    bestLevelWindow_->Open();
}

std::string MainWindow::OutputName() {
    return mixer_ ? mixer_->GetDeviceName(settings_.SoundCard) : std::string();
}

SweepResult MainWindow::KeptResult(const KeptBestLevel& kept) {
    SweepStep step;
    step.level = kept.level;
    step.watts = kept.watts;
    step.imdDb = kept.imdDb;
    step.meetsTarget = true;
    SweepResult result;
    result.best = step;
    return result;
}

void MainWindow::StartSweep() {
    if (sweep_ && sweep_->Running()) return;
    if (!mixer_ || textModeAction_->isChecked() || !link_.IsOpen()) {
        bestLevelWindow_->ShowStopped(!mixer_ ? tr("There is no sound output to sweep.")
                                      : textModeAction_->isChecked()
                                          ? tr("Turn Text Mode off to sweep.")
                                          : tr("The meter is not connected."));
        return;
    }
    SweepPlan plan;
    plan.startLevel = mixer_->GetMasterVolume();
    plan.targetImd = settings_.TargetIMD;
    plan.qrpJumpered = settings_.QRPJumpered;
    if (settings_.PowerLimitEnabled) plan.maxVolts = settings_.MaxVolts;
    sweepStartLevel_ = plan.startLevel;
    sweepResult_.reset();
    sweep_ = std::make_unique<LevelSweep>(plan);
    mixer_->SetMasterVolume(sweep_->Level());
    Log("Best-level sweep from " + std::to_string(sweep_->Level()) + " %, the output was at " +
        std::to_string(sweepStartLevel_) + " %");
    bestLevelWindow_->ShowRunning(sweep_->Steps(), sweep_->Level(), plan.targetImd);
}

bool MainWindow::Sweeping() const {
    return sweep_ && sweep_->Running();
}

void MainWindow::FeedSweep(const Measurement& m) {
    if (!Sweeping()) return;
    const std::size_t measured = sweep_->Steps().size();
    const bool moved = sweep_->Feed(m);
    if (sweep_->Steps().size() > measured)
        historyLog_.AppendLine(SweepCsvLine(QDateTime::currentMSecsSinceEpoch(),
                                            sweep_->Steps().back(), RigHistoryColumns()));
    if (!sweep_->Running()) {
        FinishSweep();
        return;
    }
    if (moved && mixer_) mixer_->SetMasterVolume(sweep_->Level());
    bestLevelWindow_->ShowRunning(sweep_->Steps(), sweep_->Level(), sweep_->Plan().targetImd);
}

void MainWindow::FinishSweep() {
    if (sweep_->State() != SweepStop::Finished) {
        EndSweep(sweep_->State());
        return;
    }
    sweepResult_ = sweep_->Result();
    const std::string text = BestLevelText(*sweepResult_, decimalSeparator_);
    Log("Best-level sweep: " + BestLevelText(*sweepResult_, decimalSeparator_, true));
    if (sweepResult_->best) {
        const SweepStep& best = *sweepResult_->best;
        SaveBestLevel(settingsFile_, OutputName(), {best.level, best.watts, best.imdDb});
        KeepSweptLevel(best.level);
    }
    // The best level is tried out until the operator takes it or keeps the old one.
    if (mixer_)
        mixer_->SetMasterVolume(sweepResult_->best ? sweepResult_->best->level : sweepStartLevel_);
    const std::string linear = LinearRangeText(*sweepResult_);
    bestLevelWindow_->ShowFinished(
        sweep_->Steps(), sweep_->Plan().targetImd, *sweepResult_,
        QString::fromStdString(linear.empty() ? text : text + "\n" + linear));
}

void MainWindow::EndSweep(SweepStop why) {
    if (!sweep_) return;
    if (sweep_->Running()) sweep_->Stop(why);
    if (mixer_) mixer_->SetMasterVolume(sweepStartLevel_);
    Log("Best-level sweep stopped, the output is back at " + std::to_string(sweepStartLevel_) +
        " %");
    sweep_.reset();
    if (bestLevelWindow_) bestLevelWindow_->ShowStopped(StopText(why));
}

void MainWindow::UseBestLevel() {
    if (!sweepResult_ || !sweepResult_->best || !mixer_) return;
    mixer_->SetMasterVolume(sweepResult_->best->level);
    display_->ShowMixerLevel();
    sweep_.reset();
}

void MainWindow::KeepOldLevel() {
    if (mixer_) mixer_->SetMasterVolume(sweepStartLevel_);
    display_->ShowMixerLevel();
    sweep_.reset();
}
