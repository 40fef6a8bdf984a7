// The main window's measurement cycles: the timer tick, the meter exchange off the GUI
// thread, and what the graph and text cycles show when the reply is in.

#include <QDateTime>

#include "app/MainWindow.h"
#include "app/MeasurementDisplay.h"
#include "audio/LevelControl.h"
#include "audio/MixerInventory.h"
#include "measure/TextCycle.h"
#include "meter/MeterProtocol.h"
#include "settings/UserFilePlaces.h"

void MainWindow::PollTick() {
    PollFldigi();
    PollRig();
    // A tick that falls due while the last exchange still waits on the meter is skipped,
    // as a blocked timer would skip it; without a port the retries are at work.
    if (exchange_.InFlight() || !link_.IsOpen()) return;
    if (textModeAction_->isChecked())
        StartTextCycle();
    else
        StartGraphCycle();
}

void MainWindow::WaitForCycle() {
    exchange_.Wait();
}

ExchangeRequest MainWindow::MakeExchangeRequest() {
    ExchangeRequest request;
    request.Psk63Checked = psk63Action_->isChecked();
    request.FakeDataEnabled = settings_.FakeDataEnabled;
    if (request.FakeDataEnabled) {
        // The simulated frame follows the mixer, which lives on this thread.
        std::string frame =
            fakeData_.Frame(CurrentMixerLevel(), settings_.FakePeak, settings_.NoiseFloor);
        request.FakeData = [frame] { return frame; };
    }
    return request;
}

void MainWindow::StartGraphCycle() {
    auto result = std::make_shared<GraphExchangeResult>();
    exchange_.Start(
        [this, result, request = MakeExchangeRequest()] { *result = link_.GraphExchange(request); },
        [this, result] { FinishGraphCycle(*result); });
}

void MainWindow::StartTextCycle() {
    auto result = std::make_shared<TextExchangeResult>();
    exchange_.Start(
        [this, result, request = MakeExchangeRequest()] { *result = link_.TextExchange(request); },
        [this, result] { FinishTextCycle(*result); });
}

bool MainWindow::EndsBeforeFrame(const DataReply& reply, const GraphExchangeResult* graph) {
    if (link_.HungUp()) {
        MeterDisconnected(ComPortName(link_.ComPort) + " hung up");
        return true;
    }
    if (graph && graph->FirmwareQueried) ShowFirmwareMode(link_.FirmwareVersion);
    if (graph && graph->NoFirmware) return true;
    if (reply.IdentificationText) {
        display_->SetStatusWord(reply.Reply);
        return true;
    }
    return false;
}

void MainWindow::FinishGraphCycle(const GraphExchangeResult& result) {
    if (!EndsBeforeFrame(result, &result)) {
        const Measurement m = graph_.Run(*display_, result.Reply, CurrentGraphSettings());
        ShowFldigiNote();
        ShowRigNote(m);
        display_->CommitChart();
        RecordHistory(m);
        PublishCycle(m);
        KeepBandLevel(m);
        FeedSweep(m);
    }
    emit CycleFinished();
}

void MainWindow::FinishTextCycle(const TextExchangeResult& result) {
    if (!EndsBeforeFrame(result, nullptr)) ShowTextFrame(result.Reply);
    emit CycleFinished();
}

void MainWindow::ShowTextFrame(const std::string& reply) {
    const TextCycleResult text = RunTextCycle(reply, decimalSeparator_, log_);
    QStringList lines;
    for (const std::string& line : text.MemoLines) lines << QString::fromStdString(line);
    textView_->setPlainText(lines.join('\n'));
    if (text.ShowTextModeStatus) display_->SetStatusWord(std::string(kTextModeStatus));
}

void MainWindow::OpenHistoryLog() {
    ReadHistorySettings(settingsFile_, settings_);
    if (!settings_.HistoryLog) return;
    const std::string path = PlaceUserFile(services_.Folders, settings_.HistoryFile);
    if (historyLog_.Open(path)) return;
    services_.Messages.ShowMessage(
        tr("Error").toStdString(), MessageKind::Error,
        tr("Could not open the history file %1.").arg(QString::fromStdString(path)).toStdString());
}

void MainWindow::RecordHistory(const Measurement& m) {
    // The history window repaints on its own timer; a cycle only adds its record.
    const HistoryRecord record = MakeHistoryRecord(m, QDateTime::currentMSecsSinceEpoch(),
                                                   settings_.QRPJumpered, CurrentMixerLevel());
    history_.Append(record);
    historyLog_.Append(record, RigHistoryColumns());
}

GraphSettings MainWindow::CurrentGraphSettings() const {
    GraphSettings settings;
    settings.Analysis.NoiseFloor = settings_.NoiseFloor;
    settings.Analysis.TargetIMD = settings_.TargetIMD;
    settings.Analysis.PowerLimitEnabled = settings_.PowerLimitEnabled;
    settings.Analysis.MaxVolts = settings_.MaxVolts;
    settings.Gain = settings_.Gain;
    settings.ShowPower = settings_.ShowPower;
    settings.QrpJumpered = settings_.QRPJumpered;
    settings.DecimalSeparator = decimalSeparator_;
    return settings;
}

void MainWindow::StepLevel(std::int32_t step) {
    // A sweep sets the level itself.
    if (mixer_ && FldigiAllowsLevelStep() && RigAllowsLevelStep() && !Sweeping())
        ::ChangeAudioLevel(*mixer_, levelControlAction_->isChecked(), settings_.AudioFloor, step);
}

std::int32_t MainWindow::CurrentMixerLevel() const {
    return mixer_ ? ::MixerLevel(*mixer_) : 0;
}
