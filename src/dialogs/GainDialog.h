#pragma once
// The feedback gain dialog: how hard the level control reacts to a deviation.

#include "dialogs/FixedDialog.h"

class QLabel;
class MaskedEdit;

class GainDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit GainDialog(QWidget* parent = nullptr);

    // Shows the current gain and returns the gain the operator left, within 0.1 to 10.0.
    double Run(QWidget* mainWindow, double gain);

    QLabel* explanation;
    QLabel* gainCaption;
    MaskedEdit* gainEdit;
};
