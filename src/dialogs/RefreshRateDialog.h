#pragma once
// The refresh-rate dialog: how often the meter is polled.

#include "dialogs/FixedDialog.h"

class QComboBox;
class QLabel;

class RefreshRateDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit RefreshRateDialog(QWidget* parent = nullptr);

    // Shows the entry for the current interval and returns the interval the operator left.
    int Run(QWidget* mainWindow, int currentIntervalMs);

    QLabel* explanation;
    QComboBox* rateList;
};
