#pragma once
// The sound card test dialog: two sliders that set the Master and Wave volumes directly,
// so the operator can watch the system's mixer follow them.

#include "dialogs/FixedDialog.h"

class QLabel;
class QSlider;
class TspVolumeControl;

class TTestSoundCardForm : public FixedDialog {
    Q_OBJECT
public:
    explicit TTestSoundCardForm(QWidget* parent = nullptr);

    // Shows the volumes of `volume` on the sliders; each slider move writes both volumes.
    void Run(QWidget* mainWindow, TspVolumeControl& volume);

    QLabel* Memo1;
    QLabel* Label1;
    QLabel* Label2;
    QSlider* tbMaster;
    QSlider* tbWave;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void FormShow();
    void tbMasterChange();

private:
    QSlider* AddSlider(const QString& name, int top);

    TspVolumeControl* volume_ = nullptr;
};
