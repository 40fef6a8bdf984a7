#include "dialogs/ShowPowerDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "settings/SettingsFile.h"

namespace {
const char* const kShowPowerSection = "SHOW POWER";
const char* const kShowPowerKey = "Show Power";
const char* const kPowerLimitsSection = "POWER LIMITS";
const char* const kQrpJumperedKey = "QRP jumpered";
}  // namespace

ShowPowerDialog::ShowPowerDialog(ProfileFile& settings, QWidget* parent)
    : FixedDialog("Show Power", 487, 149, parent), settings_(settings) {
    explanation =
        AddLabel("explanation",
                 "Quorvane can compute the average RF power output of your PSK signal and "
                 "show the estimate on the status line when you ask for it here. For an "
                 "accurate report, tell Quorvane how the meter's QRP/QRO jumper block is "
                 "set.",
                 QRect(8, 8, 471, 41), true);
    showPowerCheckBox =
        AddCheckBox("showPowerCheckBox", "Enable the display of my estimated average PSK RF power",
                    QRect(8, 56, 305, 17));
    jumperCaption =
        AddLabel("jumperCaption", "How is your QRP/QRO jumper block set?", QRect(8, 84, 193, 13));
    // Neither answer is selected until the settings say so: with "QRO" in the file the dialog
    // starts with no answer, and an exclusive radio button cannot be unchecked afterwards.
    qrpButton = AddRadioButton("qrpButton", "QRP ", QRect(16, 104, 57, 17));
    qroButton = AddRadioButton("qroButton", "QRO", QRect(16, 124, 57, 17));
    FitToFont();
    FormCreate();
}

ShowPowerDialog::~ShowPowerDialog() {
    FormDestroy();
}

void ShowPowerDialog::FormCreate() {
    const ProfileBatch once(settings_);
    const SettingsFile file(settings_);
    showPowerCheckBox->setChecked(file.ReadBool(kShowPowerSection, kShowPowerKey, false));
    if (file.ReadBool(kPowerLimitsSection, kQrpJumperedKey, true)) qrpButton->setChecked(true);
}

void ShowPowerDialog::FormDestroy() {
    // The program is ending: a key that cannot be written keeps its old value, with no one
    // left to tell.
    ProfileBatch save(settings_);
    SettingsFile file(settings_);
    file.WriteBool(kShowPowerSection, kShowPowerKey, showPowerCheckBox->isChecked());
    file.WriteBool(kPowerLimitsSection, kQrpJumperedKey, qrpButton->isChecked());
}

bool ShowPowerDialog::Run(QWidget* mainWindow, bool qrpJumpered) {
    (qrpJumpered ? qrpButton : qroButton)->setChecked(true);
    ExecBeside(mainWindow);
    return qrpButton->isChecked();
}

bool ShowPowerDialog::ShowPowerChecked() const {
    return showPowerCheckBox->isChecked();
}

bool ShowPowerDialog::QrpSelected() const {
    return qrpButton->isChecked();
}
