#include "app/MeasurementDisplay.h"

#include <QCoreApplication>
#include <QLabel>

#include "app/StatusPanel.h"
#include "desktop/TrayIcon.h"
#include "measure/EnvelopeChart.h"

namespace {
void SetLabel(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
}

// A figure's accessible name is its text as spoken, with the unit as a word of its own.
void SetFigure(QLabel* label, const std::string& text) {
    label->setAccessibleName(QString::fromStdString(SpokenFigure(text)));
    SetLabel(label, text);
}
}  // namespace

QString TranslatedStatusWord(const std::string& word) {
    // The meter's identification text comes byte for byte.
    const QString english = QString::fromLatin1(word.data(), qsizetype(word.size()));
    if (word.empty()) return english;
    const QString translated = QCoreApplication::translate("StatusWord", word.c_str());
    return translated == QString::fromUtf8(word.c_str()) ? english : translated;
}

MeasurementDisplay::MeasurementDisplay(EnvelopeChart& chart, StatusPanel& statusLine,
                                       TrayIcon& tray, Window window)
    : chart_(chart), statusLine_(statusLine), tray_(tray), window_(std::move(window)) {}

void MeasurementDisplay::ShowNote(const std::string& note) {
    SetStatusWord(note);
    if (IsMinimized()) SetTitle(note);
}

void MeasurementDisplay::ShowNoMeter(const std::string& note) {
    ClearChart();
    CommitChart();
    SetRms("");
    SetImd("");
    ShowNote(note);
    // No light while there is nothing to measure.
    SetIconVisible(false);
}

void MeasurementDisplay::ClearFigures() {
    for (QLabel* label :
         {statusLine_.rms, statusLine_.imd, statusLine_.peakVolts, statusLine_.power})
        SetFigure(label, "");
}

void MeasurementDisplay::ShowLevelControl(bool on) {
    statusLine_.alc->setText(on ? QCoreApplication::translate("StatusWord", "AUTO") : QString());
}

void MeasurementDisplay::ShowMode(const std::string& label) {
    pskMode_ = label;
    ShowRigMode(rigMode_);
}

void MeasurementDisplay::ShowRigMode(const std::string& frequencyAndMode) {
    rigMode_ = frequencyAndMode;
    const std::string gap = pskMode_.empty() || rigMode_.empty() ? "" : "  ";
    SetLabel(statusLine_.mode, pskMode_ + gap + rigMode_);
}

void MeasurementDisplay::ShowRigMeters(const std::string& text) {
    SetLabel(statusLine_.rigMeters, text);
}

void MeasurementDisplay::ShowMixerLevel() {
    SetLevel(LevelLabel(MixerLevel()));
}

void MeasurementDisplay::CommitChart() {
    // The chart's description says the frame in words; screen readers read it when asked,
    // without an event per cycle.
    QStringList words;
    if (!statusLine_.statusWord->text().isEmpty()) words << statusLine_.statusWord->text();
    for (QLabel* label : {statusLine_.imd, statusLine_.rms, statusLine_.peakVolts,
                          statusLine_.power, statusLine_.level})
        if (!label->accessibleName().isEmpty()) words << label->accessibleName();
    chart_.SetSummary(words.join(QStringLiteral(", ")));
    chart_.Commit();
}

void MeasurementDisplay::ClearChart() {
    chart_.Clear();
}

void MeasurementDisplay::AppendEnvelope(int n, double b) {
    chart_.AppendEnvelope(n, b);
}

void MeasurementDisplay::AppendIdeal(int n, double v) {
    chart_.AppendIdeal(n, v);
}

void MeasurementDisplay::SetStatusWord(const std::string& text) {
    statusWord_ = text;
    const QString word = TranslatedStatusWord(text);
    statusLine_.ShowStatusWord(word);
    // The light's tip says it too: where the window's title cannot (a minimized window on
    // Wayland), the status still reaches the operator. Only a change is sent on, to the tray
    // and to whoever follows the status word.
    const std::string statusTip = word.isEmpty() ? "Quorvane" : ("Quorvane: " + word).toStdString();
    if (statusTip == statusTip_) return;
    statusTip_ = statusTip;
    UpdateTip();
    if (window_.statusChanged) window_.statusChanged(text);
}

void MeasurementDisplay::ShowLinkNote(const std::string& note) {
    linkNote_ = note;
    UpdateTip();
}

void MeasurementDisplay::UpdateTip() {
    const std::string tip = linkNote_.empty() ? statusTip_ : statusTip_ + "\n" + linkNote_;
    if (tip != tip_) tray_.SetHint(tip_ = tip);
}

void MeasurementDisplay::SetRms(const std::string& text) {
    SetFigure(statusLine_.rms, text);
}

void MeasurementDisplay::SetImd(const std::string& text) {
    SetFigure(statusLine_.imd, text);
}

void MeasurementDisplay::SetMaxVoltage(const std::string& text) {
    SetFigure(statusLine_.peakVolts, text);
}

void MeasurementDisplay::SetPowerEstimate(const std::string& text) {
    SetFigure(statusLine_.power, text);
}

void MeasurementDisplay::SetLevel(const std::string& text) {
    SetFigure(statusLine_.level, text);
}

void MeasurementDisplay::SetTitle(const std::string& text) {
    window_.showTitle(TranslatedStatusWord(text).toStdString());
}

void MeasurementDisplay::SetIconVisible(bool visible) {
    tray_.SetVisible(visible);
}

void MeasurementDisplay::SetIconIndex(int index) {
    tray_.SetIconIndex(index);
}

void MeasurementDisplay::ChangeAudioLevel(std::int32_t step) {
    window_.changeLevel(step);
}

std::int32_t MeasurementDisplay::MixerLevel() {
    return window_.level();
}

bool MeasurementDisplay::IsMinimized() {
    return window_.minimized();
}
