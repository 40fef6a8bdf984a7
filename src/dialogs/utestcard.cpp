#include "dialogs/utestcard.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "audio/usound.h"

TTestSoundCardForm::TTestSoundCardForm(QWidget* parent)
    : FixedDialog("Testing Sound Card", 258, 276, parent) {
    Memo1 = AddMemo(
        "Memo1",
        {"Use the slider below to test whether Quorvane ",
         "can control the volumn level of your sourd card. ", "",
         "In a separate window,  open the Window's ", "mixer. When you move the slider below, you ",
         "should observe that the sliders in the Mixer ", "window move accordingly. ", "",
         "This confirms that Quorvane can adjust the ", "master and WAV audio settings."},
        QRect(16, 16, 225, 137));
    Label1 = AddLabel("Label1", "Master:", QRect(16, 176, 30, 13));
    Label2 = AddLabel("Label2", "Wave:", QRect(16, 208, 30, 13));
    tbMaster = AddSlider("tbMaster", 168);
    tbWave = AddSlider("tbWave", 200);
    FitToFont();
    // The labels grew by different amounts; keep the sliders in one column.
    const int left = std::max(tbMaster->x(), tbWave->x());
    tbMaster->move(left, tbMaster->y());
    tbWave->move(left, tbWave->y());
    FitSizeToChildren();
}

QSlider* TTestSoundCardForm::AddSlider(const QString& name, int top) {
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(name);
    slider->setGeometry(48, top, 193, 25);
    slider->setRange(0, 100);
    slider->setTickInterval(1);
    slider->setTickPosition(QSlider::TicksBelow);
    connect(slider, &QSlider::valueChanged, this, &TTestSoundCardForm::tbMasterChange);
    return slider;
}

void TTestSoundCardForm::Run(QWidget* mainWindow, TspVolumeControl& volume) {
    volume_ = &volume;
    ExecBeside(mainWindow);
    volume_ = nullptr;
}

void TTestSoundCardForm::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    FormShow();
}

void TTestSoundCardForm::FormShow() {
    if (!volume_) return;
    // Loading the sliders must not write the volumes back.
    const QSignalBlocker blockMaster(tbMaster);
    const QSignalBlocker blockWave(tbWave);
    tbMaster->setValue(volume_->GetMasterVolume());
    tbWave->setValue(volume_->GetWaveVolume());
}

void TTestSoundCardForm::tbMasterChange() {
    if (!volume_) return;
    // Both, whichever slider moved: on a card without a Wave line the second write wins.
    volume_->SetMasterVolume(tbMaster->value());
    volume_->SetWaveVolume(tbWave->value());
}
