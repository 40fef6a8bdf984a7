// The main window's measurement cycles: the timer tick, the meter exchange off the GUI
// thread, and what the graph and text cycles show when the reply is in.

#include <QDateTime>

#include "app/DialogSet.h"
#include "app/StatusPanel.h"
#include "app/umain.h"
#include "audio/LevelControl.h"
#include "audio/usound.h"
#include "desktop/SpTrayIc.h"
#include "measure/EnvelopeChart.h"
#include "measure/TextCycle.h"
#include "meter/MeterProtocol.h"

void TMainForm::Timer1Timer() {
    PollFldigi();
    // A tick that falls due while the last exchange still waits on the meter is skipped,
    // as a blocked timer would skip it; without a port the retries are at work.
    if (exchange_.InFlight() || !Link.IsOpen()) return;
    if (DataMode1->isChecked())
        StartTextCycle();
    else
        StartGraphCycle();
}

void TMainForm::WaitForCycle() {
    exchange_.Wait();
}

ExchangeRequest TMainForm::MakeExchangeRequest() {
    ExchangeRequest request;
    request.Psk63Checked = PSK63->isChecked();
    request.FakeDataEnabled = Settings_.FakeDataEnabled;
    if (request.FakeDataEnabled) {
        // The simulated frame follows the mixer, which lives on this thread.
        const int level = VolumeControl ? ::MixerLevel(*VolumeControl) : 0;
        std::string frame = fakeData_.Frame(level, Settings_.FakePeak, Settings_.NoiseFloor);
        request.FakeData = [frame] { return frame; };
    }
    return request;
}

void TMainForm::StartGraphCycle() {
    auto result = std::make_shared<GraphExchangeResult>();
    exchange_.Start(
        [this, result, request = MakeExchangeRequest()] { *result = Link.GraphExchange(request); },
        [this, result] { FinishGraphCycle(*result); });
}

void TMainForm::StartTextCycle() {
    auto result = std::make_shared<TextExchangeResult>();
    exchange_.Start(
        [this, result, request = MakeExchangeRequest()] { *result = Link.TextExchange(request); },
        [this, result] { FinishTextCycle(*result); });
}

void TMainForm::FinishGraphCycle(const GraphExchangeResult& result) {
    if (Link.HungUp()) {
        MeterDisconnected(ComPortName(Link.ComPort) + " hung up");
        emit CycleFinished();
        return;
    }
    if (result.FirmwareQueried) ShowFirmwareMode(Link.FirmwareVersion);
    if (result.NoFirmware) {
        emit CycleFinished();
        return;
    }
    if (result.IdentificationText) {
        SetSplatter(result.Reply);
        emit CycleFinished();
        return;
    }
    const Measurement m = graph_.Run(*this, result.Reply, CurrentGraphSettings());
    ShowFldigiNote();
    Chart->Commit();
    RecordHistory(m);
    emit CycleFinished();
}

void TMainForm::FinishTextCycle(const TextExchangeResult& result) {
    if (Link.HungUp()) {
        MeterDisconnected(ComPortName(Link.ComPort) + " hung up");
        emit CycleFinished();
        return;
    }
    if (result.IdentificationText) {
        SetSplatter(result.Reply);
        emit CycleFinished();
        return;
    }
    const TextCycleResult text = RunTextCycle(result.Reply, decimalSeparator_, LogFile_);
    QStringList lines;
    for (const std::string& line : text.MemoLines) lines << QString::fromStdString(line);
    Memo1->setPlainText(lines.join('\n'));
    if (text.ShowTextModeStatus) SetSplatter(std::string(kTextModeStatus));
    emit CycleFinished();
}

void TMainForm::OpenHistoryLog() {
    ReadHistorySettings(settingsFile_, Settings_);
    if (!Settings_.HistoryLog || historyLog_.Open(Settings_.HistoryFile)) return;
    services_.Messages.MessageDialog(
        "Error", "!", "Could not open the history file " + Settings_.HistoryFile + ".");
}

void TMainForm::RecordHistory(const Measurement& m) {
    // The history window repaints on its own timer; a cycle only adds its record.
    const HistoryRecord record =
        MakeHistoryRecord(m, QDateTime::currentMSecsSinceEpoch(), QrpSelected(), MixerLevel());
    history_.Append(record);
    historyLog_.Append(record);
}

GraphSettings TMainForm::CurrentGraphSettings() const {
    GraphSettings settings;
    settings.Analysis.NoiseFloor = Settings_.NoiseFloor;
    settings.Analysis.TargetIMD = Settings_.TargetIMD;
    settings.Analysis.PowerLimitEnabled = Settings_.PowerLimitEnabled;
    settings.Analysis.MaxVolts = Settings_.MaxVolts;
    settings.Gain = Settings_.Gain;
    settings.DecimalSeparator = decimalSeparator_;
    return settings;
}

// ---------------------------------------------------------------- GraphView

void TMainForm::ClearSeries() {
    Chart->Clear();
}
void TMainForm::AppendEnvelope(int n, double b) {
    Chart->AppendEnvelope(n, b);
}
void TMainForm::AppendIdeal(int n, double v) {
    Chart->AppendIdeal(n, v);
}

void TMainForm::SetSplatter(const std::string& text) {
    Panel1->Splatter->setText(QString::fromLatin1(text.data(), qsizetype(text.size())));
}
void TMainForm::SetRms(const std::string& text) {
    Panel1->rms->setText(QString::fromStdString(text));
}
void TMainForm::SetImd(const std::string& text) {
    Panel1->IMD->setText(QString::fromStdString(text));
}
void TMainForm::SetMaxVoltage(const std::string& text) {
    Panel1->MaxVoltage->setText(QString::fromStdString(text));
}
void TMainForm::SetPowerEstimate(const std::string& text) {
    Panel1->PowerEstimate->setText(QString::fromStdString(text));
}
void TMainForm::SetLevel(const std::string& text) {
    Panel1->Level->setText(QString::fromStdString(text));
}
void TMainForm::SetTitle(const std::string& text) {
    ShowTitle(text);
}
void TMainForm::SetIconVisible(bool visible) {
    LedIcon->SetVisible(visible);
}
void TMainForm::SetIconIndex(int index) {
    LedIcon->SetIconIndex(index);
}

void TMainForm::ChangeAudioLevel(std::int32_t step) {
    if (VolumeControl && FldigiAllowsLevelStep())
        ::ChangeAudioLevel(*VolumeControl, ALC->isChecked(), Settings_.AudioFloor, step);
}

std::int32_t TMainForm::MixerLevel() {
    return VolumeControl ? ::MixerLevel(*VolumeControl) : 0;
}

bool TMainForm::ShowPowerChecked() {
    return dialogs_ && dialogs_->ShowPowerForm && dialogs_->ShowPowerForm->ShowPowerChecked();
}

bool TMainForm::QrpSelected() {
    return dialogs_ && dialogs_->ShowPowerForm && dialogs_->ShowPowerForm->QrpSelected();
}

bool TMainForm::IsMinimized() {
    return Minimized != 0;
}
