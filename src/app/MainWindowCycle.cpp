// The main window's measurement cycles: the timer tick, the meter exchange off the GUI
// thread, and what the graph and text cycles show when the reply is in.

#include <QDateTime>

#include "app/DialogSet.h"
#include "app/MainWindow.h"
#include "app/StatusPanel.h"
#include "audio/LevelControl.h"
#include "audio/MixerInventory.h"
#include "desktop/TrayIcon.h"
#include "measure/EnvelopeChart.h"
#include "measure/TextCycle.h"
#include "meter/MeterProtocol.h"

void MainWindow::PollTick() {
    PollFldigi();
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
        const int level = mixer_ ? ::MixerLevel(*mixer_) : 0;
        std::string frame = fakeData_.Frame(level, settings_.FakePeak, settings_.NoiseFloor);
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

void MainWindow::FinishGraphCycle(const GraphExchangeResult& result) {
    if (link_.HungUp()) {
        MeterDisconnected(ComPortName(link_.ComPort) + " hung up");
        emit CycleFinished();
        return;
    }
    if (result.FirmwareQueried) ShowFirmwareMode(link_.FirmwareVersion);
    if (result.NoFirmware) {
        emit CycleFinished();
        return;
    }
    if (result.IdentificationText) {
        SetStatusWord(result.Reply);
        emit CycleFinished();
        return;
    }
    const Measurement m = graph_.Run(*this, result.Reply, CurrentGraphSettings());
    ShowFldigiNote();
    chart_->Commit();
    RecordHistory(m);
    emit CycleFinished();
}

void MainWindow::FinishTextCycle(const TextExchangeResult& result) {
    if (link_.HungUp()) {
        MeterDisconnected(ComPortName(link_.ComPort) + " hung up");
        emit CycleFinished();
        return;
    }
    if (result.IdentificationText) {
        SetStatusWord(result.Reply);
        emit CycleFinished();
        return;
    }
    const TextCycleResult text = RunTextCycle(result.Reply, decimalSeparator_, log_);
    QStringList lines;
    for (const std::string& line : text.MemoLines) lines << QString::fromStdString(line);
    textView_->setPlainText(lines.join('\n'));
    if (text.ShowTextModeStatus) SetStatusWord(std::string(kTextModeStatus));
    emit CycleFinished();
}

void MainWindow::OpenHistoryLog() {
    ReadHistorySettings(settingsFile_, settings_);
    if (!settings_.HistoryLog || historyLog_.Open(settings_.HistoryFile)) return;
    services_.Messages.ShowMessage(
        "Error", MessageKind::Error,
        "Could not open the history file " + settings_.HistoryFile + ".");
}

void MainWindow::RecordHistory(const Measurement& m) {
    // The history window repaints on its own timer; a cycle only adds its record.
    const HistoryRecord record =
        MakeHistoryRecord(m, QDateTime::currentMSecsSinceEpoch(), QrpSelected(), MixerLevel());
    history_.Append(record);
    historyLog_.Append(record);
}

GraphSettings MainWindow::CurrentGraphSettings() const {
    GraphSettings settings;
    settings.Analysis.NoiseFloor = settings_.NoiseFloor;
    settings.Analysis.TargetIMD = settings_.TargetIMD;
    settings.Analysis.PowerLimitEnabled = settings_.PowerLimitEnabled;
    settings.Analysis.MaxVolts = settings_.MaxVolts;
    settings.Gain = settings_.Gain;
    settings.DecimalSeparator = decimalSeparator_;
    return settings;
}

// ---------------------------------------------------------------- GraphView

void MainWindow::ClearChart() {
    chart_->Clear();
}
void MainWindow::AppendEnvelope(int n, double b) {
    chart_->AppendEnvelope(n, b);
}
void MainWindow::AppendIdeal(int n, double v) {
    chart_->AppendIdeal(n, v);
}

void MainWindow::SetStatusWord(const std::string& text) {
    statusLine_->statusWord->setText(QString::fromLatin1(text.data(), qsizetype(text.size())));
}
void MainWindow::SetRms(const std::string& text) {
    statusLine_->rms->setText(QString::fromStdString(text));
}
void MainWindow::SetImd(const std::string& text) {
    statusLine_->imd->setText(QString::fromStdString(text));
}
void MainWindow::SetMaxVoltage(const std::string& text) {
    statusLine_->peakVolts->setText(QString::fromStdString(text));
}
void MainWindow::SetPowerEstimate(const std::string& text) {
    statusLine_->power->setText(QString::fromStdString(text));
}
void MainWindow::SetLevel(const std::string& text) {
    statusLine_->level->setText(QString::fromStdString(text));
}
void MainWindow::SetTitle(const std::string& text) {
    ShowTitle(text);
}
void MainWindow::SetIconVisible(bool visible) {
    trayIcon_->SetVisible(visible);
}
void MainWindow::SetIconIndex(int index) {
    trayIcon_->SetIconIndex(index);
}

void MainWindow::ChangeAudioLevel(std::int32_t step) {
    if (mixer_ && FldigiAllowsLevelStep())
        ::ChangeAudioLevel(*mixer_, levelControlAction_->isChecked(), settings_.AudioFloor, step);
}

std::int32_t MainWindow::MixerLevel() {
    return mixer_ ? ::MixerLevel(*mixer_) : 0;
}

bool MainWindow::ShowPowerChecked() {
    return dialogs_ && dialogs_->showPowerDialog && dialogs_->showPowerDialog->ShowPowerChecked();
}

bool MainWindow::QrpSelected() {
    return dialogs_ && dialogs_->showPowerDialog && dialogs_->showPowerDialog->QrpSelected();
}

bool MainWindow::IsMinimized() {
    return minimized_ != 0;
}
