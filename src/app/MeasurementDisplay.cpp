#include "app/MeasurementDisplay.h"

#include <QLabel>

#include "app/StatusPanel.h"
#include "desktop/TrayIcon.h"
#include "measure/EnvelopeChart.h"

namespace {
void SetLabel(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
}
}  // namespace

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
        label->clear();
}

void MeasurementDisplay::ShowLevelControl(bool on) {
    statusLine_.alc->setText(on ? "AUTO" : "");
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
    // The meter's identification text comes byte for byte.
    const QString word = QString::fromLatin1(text.data(), qsizetype(text.size()));
    statusLine_.statusWord->setText(word);
    // The light's tip says it too: where the window's title cannot (a minimized window on
    // Wayland), the status still reaches the operator. Only a change is sent on, to the tray
    // and to whoever follows the status word.
    const std::string tip = word.isEmpty() ? "Quorvane" : ("Quorvane: " + word).toStdString();
    if (tip == tip_) return;
    tray_.SetHint(tip_ = tip);
    if (window_.statusChanged) window_.statusChanged(text);
}

void MeasurementDisplay::SetRms(const std::string& text) {
    SetLabel(statusLine_.rms, text);
}

void MeasurementDisplay::SetImd(const std::string& text) {
    SetLabel(statusLine_.imd, text);
}

void MeasurementDisplay::SetMaxVoltage(const std::string& text) {
    SetLabel(statusLine_.peakVolts, text);
}

void MeasurementDisplay::SetPowerEstimate(const std::string& text) {
    SetLabel(statusLine_.power, text);
}

void MeasurementDisplay::SetLevel(const std::string& text) {
    SetLabel(statusLine_.level, text);
}

void MeasurementDisplay::SetTitle(const std::string& text) {
    window_.showTitle(text);
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
