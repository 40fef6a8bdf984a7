#pragma once
// The target IMD dialog: the IMD the level control keeps the signal at or below.

#include "dialogs/FixedDialog.h"

class QComboBox;
class QLabel;

class TIMDForm : public FixedDialog {
    Q_OBJECT
public:
    explicit TIMDForm(QWidget* parent = nullptr);

    // Selects the entry nearest the current target and returns the target the operator left;
    // a text that names no entry keeps the current target.
    int Run(QWidget* mainWindow, int targetImd);

    QLabel* Label1;
    QComboBox* TargetIMDComboBox;
};
