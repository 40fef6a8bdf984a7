#pragma once
// The Show Power dialog: whether the status line shows the estimated power, and which
// jumper setting the estimate assumes.

#include "dialogs/FixedDialog.h"

class QCheckBox;
class QLabel;
class QRadioButton;

struct ShowPowerChoice {
    bool showPower = false;
    bool qrpJumpered = true;
};

class ShowPowerDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit ShowPowerDialog(QWidget* parent = nullptr);

    // Shows `current` and returns what the operator left, however the dialog was closed.
    ShowPowerChoice Run(QWidget* mainWindow, const ShowPowerChoice& current);

    QLabel* explanation;
    QCheckBox* showPowerCheckBox;
    QLabel* jumperCaption;
    QRadioButton* qrpButton;
    QRadioButton* qroButton;
};
