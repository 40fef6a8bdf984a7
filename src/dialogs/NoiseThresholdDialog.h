#pragma once
// The noise threshold dialog: below which level a frame counts as noise.

#include "dialogs/FixedDialog.h"

class QComboBox;
class QLabel;

class NoiseThresholdDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit NoiseThresholdDialog(QWidget* parent = nullptr);

    // Shows the entry for the current floor (none when it names no entry) and returns the
    // floor the operator left; a text that names no entry keeps the current floor.
    int Run(QWidget* mainWindow, int noiseFloor);

    QLabel* explanation;
    QLabel* floorCaption;
    QComboBox* floorList;
};
