#pragma once
// The sound card test dialog: two sliders that set the Master and Wave volumes directly,
// so the operator can watch the system's mixer follow them.

#include "dialogs/FixedDialog.h"

class QLabel;
class QSlider;
class MixerInventory;

class TestSoundCardDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit TestSoundCardDialog(QWidget* parent = nullptr);

    // Shows the volumes of `volume` on the sliders; each slider move writes both volumes.
    void Run(QWidget* mainWindow, MixerInventory& volume);

    QLabel* explanation;
    QLabel* masterCaption;
    QLabel* waveCaption;
    QSlider* masterSlider;
    QSlider* waveSlider;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void ShowVolumes();
    void SliderMoved();

private:
    QSlider* AddSlider(const QString& name, int top);

    MixerInventory* volume_ = nullptr;
};
