#pragma once
// The target IMD dialog: the IMD the level control keeps the signal at or below.

#include "dialogs/FixedDialog.h"

class QComboBox;
class QLabel;

class TargetImdDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit TargetImdDialog(QWidget* parent = nullptr);

    // Selects the entry nearest the current target and returns the target the operator left;
    // a text that names no entry keeps the current target.
    int Run(QWidget* mainWindow, int targetImd);

    QLabel* explanation;
    QComboBox* targetList;
};
