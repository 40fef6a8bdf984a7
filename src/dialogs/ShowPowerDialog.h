#pragma once
// The Show Power dialog: whether the status line shows the estimated power, and which
// jumper setting the estimate assumes. Its check box and radio buttons are the settings
// themselves; it loads them from the settings file when created and saves them when destroyed.

#include "dialogs/FixedDialog.h"

class ProfileFile;
class QCheckBox;
class QLabel;
class QRadioButton;

class ShowPowerDialog : public FixedDialog {
    Q_OBJECT
public:
    // `settings` must outlive the dialog, which writes its two keys on destruction.
    explicit ShowPowerDialog(ProfileFile& settings, QWidget* parent = nullptr);
    ~ShowPowerDialog() override;

    // Selects the jumper answer from `qrpJumpered` and returns the one the operator left.
    bool Run(QWidget* mainWindow, bool qrpJumpered);

    // Read by each measurement cycle.
    bool ShowPowerChecked() const;
    bool QrpSelected() const;

    QLabel* explanation;
    QCheckBox* showPowerCheckBox;
    QLabel* jumperCaption;
    QRadioButton* qrpButton;
    QRadioButton* qroButton;

private:
    void FormCreate();
    void FormDestroy();

    ProfileFile& settings_;
};
