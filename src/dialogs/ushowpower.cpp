#include "dialogs/ushowpower.h"

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

TShowPowerForm::TShowPowerForm(ProfileFile& settings, QWidget* parent)
    : FixedDialog("Show Power", 487, 149, parent), settings_(settings) {
    Label1 = AddLabel("Label1",
                      "Quorvane can compute the average RF power output of your PSK signal and "
                      "show the estimate on the status line when you ask for it here. For an "
                      "accurate report, tell Quorvane how the meter's QRP/QRO jumper block is "
                      "set.",
                      QRect(8, 8, 471, 41), true);
    ShowPowerCheckBox =
        AddCheckBox("ShowPowerCheckBox", "Enable the display of my estimated average PSK RF power",
                    QRect(8, 56, 305, 17));
    Label2 = AddLabel("Label2", "How is your QRP/QRO jumper block set?", QRect(8, 84, 193, 13));
    // Neither answer is selected until the settings say so: with "QRO" in the file the dialog
    // starts with no answer, and an exclusive radio button cannot be unchecked afterwards.
    QRPRadioButton = AddRadioButton("QRPRadioButton", "QRP ", QRect(16, 104, 57, 17));
    QRORadioButton = AddRadioButton("QRORadioButton", "QRO", QRect(16, 124, 57, 17));
    FitToFont();
    FormCreate();
}

TShowPowerForm::~TShowPowerForm() {
    FormDestroy();
}

void TShowPowerForm::FormCreate() {
    const ProfileBatch once(settings_);
    const SettingsFile file(settings_);
    ShowPowerCheckBox->setChecked(file.ReadBool(kShowPowerSection, kShowPowerKey, false));
    if (file.ReadBool(kPowerLimitsSection, kQrpJumperedKey, true)) QRPRadioButton->setChecked(true);
}

void TShowPowerForm::FormDestroy() {
    // The program is ending: a key that cannot be written keeps its old value, with no one
    // left to tell.
    ProfileBatch save(settings_);
    SettingsFile file(settings_);
    file.WriteBool(kShowPowerSection, kShowPowerKey, ShowPowerCheckBox->isChecked());
    file.WriteBool(kPowerLimitsSection, kQrpJumperedKey, QRPRadioButton->isChecked());
}

bool TShowPowerForm::Run(QWidget* mainWindow, bool qrpJumpered) {
    (qrpJumpered ? QRPRadioButton : QRORadioButton)->setChecked(true);
    ExecBeside(mainWindow);
    return QRPRadioButton->isChecked();
}

bool TShowPowerForm::ShowPowerChecked() const {
    return ShowPowerCheckBox->isChecked();
}

bool TShowPowerForm::QrpSelected() const {
    return QRPRadioButton->isChecked();
}
