#include "dialogs/TestSoundCardDialog.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "audio/MixerInventory.h"

TestSoundCardDialog::TestSoundCardDialog(QWidget* parent)
    : FixedDialog(tr("Testing Sound Card"), 258, 276, parent) {
    explanation = AddMemo("explanation",
                          {tr("Use the slider below to test whether Quorvane \n"
                              "can control the volumn level of your sourd card. \n"
                              "\n"
                              "In a separate window,  open the Window's \n"
                              "mixer. When you move the slider below, you \n"
                              "should observe that the sliders in the Mixer \n"
                              "window move accordingly. \n"
                              "\n"
                              "This confirms that Quorvane can adjust the \n"
                              "master and WAV audio settings.")},
                          QRect(16, 16, 225, 137));
    masterCaption = AddLabel("masterCaption", tr("Master:"), QRect(16, 176, 30, 13));
    waveCaption = AddLabel("waveCaption", tr("Wave:"), QRect(16, 208, 30, 13));
    masterSlider = AddSlider("masterSlider", 168);
    waveSlider = AddSlider("waveSlider", 200);
    LabelField(masterCaption, masterSlider);
    LabelField(waveCaption, waveSlider);
    FitToFont();
    // The labels grew by different amounts; keep the sliders in one column.
    const int left = std::max(masterSlider->x(), waveSlider->x());
    masterSlider->move(left, masterSlider->y());
    waveSlider->move(left, waveSlider->y());
    FitSizeToChildren();
}

QSlider* TestSoundCardDialog::AddSlider(const QString& name, int top) {
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(name);
    slider->setGeometry(48, top, 193, 25);
    slider->setRange(0, 100);
    slider->setTickInterval(1);
    slider->setTickPosition(QSlider::TicksBelow);
    connect(slider, &QSlider::valueChanged, this, &TestSoundCardDialog::SliderMoved);
    return slider;
}

void TestSoundCardDialog::Run(QWidget* mainWindow, MixerInventory& volume) {
    volume_ = &volume;
    ExecBeside(mainWindow);
    volume_ = nullptr;
}

void TestSoundCardDialog::showEvent(QShowEvent* event) {
    // The volumes first: the dialog remembers the sliders as they open, for Esc.
    ShowVolumes();
    FixedDialog::showEvent(event);
}

void TestSoundCardDialog::ShowVolumes() {
    if (!volume_) return;
    // Loading the sliders must not write the volumes back.
    const QSignalBlocker blockMaster(masterSlider);
    const QSignalBlocker blockWave(waveSlider);
    masterSlider->setValue(volume_->GetMasterVolume());
    waveSlider->setValue(volume_->GetWaveVolume());
}

void TestSoundCardDialog::SliderMoved() {
    if (!volume_) return;
    // Both, whichever slider moved: on a card without a Wave line the second write wins.
    volume_->SetMasterVolume(masterSlider->value());
    volume_->SetWaveVolume(waveSlider->value());
}
