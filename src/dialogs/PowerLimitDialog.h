#pragma once
// The power limit dialog: the most power the level control lets the transmitter reach.

#include "dialogs/Commands.h"
#include "dialogs/FixedDialog.h"

class MessagePresenter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class PowerLimitDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit PowerLimitDialog(QWidget* parent = nullptr);

    // Shows the current limit, and on close returns the limit recomputed from what the dialog
    // shows; when the watts exceed the converter's range it tells the operator through
    // `messages` and returns the capped limit.
    PowerLimitSettings Run(QWidget* mainWindow, const PowerLimitSettings& current,
                           MessagePresenter& messages);

    QLabel* explanation;
    QCheckBox* limitCheckBox;
    QLabel* jumperCaption;
    QRadioButton* qrpButton;
    QRadioButton* qroButton;
    QLabel* wattsCaption;
    QLineEdit* wattsEdit;
    QLabel* reminder;

private slots:
    void LimitCheckBoxClicked();

private:
    void EnableLimitControls(bool enabled);
};
