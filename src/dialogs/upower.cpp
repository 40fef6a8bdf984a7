#include "dialogs/upower.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "base/MessagePresenter.h"

TPowerLimitForm::TPowerLimitForm(QWidget* parent) : FixedDialog("Power Limit", 413, 330, parent) {
    Memo1 = AddLabel(
        "Memo1",
        "This setting lets you give the maximum power you want to transmit.\n"
        "\n"
        "By default, Quorvane sets the sound card level for the highest power you can get "
        "without splatter. With the power limit enabled, Quorvane will not let your "
        "transmitter's power exceed the value you give below: whenever the peak signal goes "
        "above it, the sound card level is reduced, whatever the measured IMD.\n"
        "\n"
        "Set the QRP/QRO buttons to match the jumper block on the meter's printed circuit "
        "board, so that Quorvane reads the peak voltage at the ADC input correctly.",
        QRect(8, 8, 393, 211), true);

    PowerLimitCheckBox =
        AddCheckBox("PowerLimitCheckBox", "Enable Power Limit", QRect(16, 224, 121, 17));
    connect(PowerLimitCheckBox, &QCheckBox::clicked, this,
            &TPowerLimitForm::PowerLimitCheckBoxClick);

    // The jumper question with its two answers beside it.
    Label1 =
        AddLabel("Label1", "How is your QRP/QRO jumper block set?", QRect(8, 250, 136, 30), true);
    QRPRadioButton = AddRadioButton("QRPRadioButton", "QRP", QRect(152, 248, 57, 17));
    QRPRadioButton->setChecked(true);
    QRORadioButton = AddRadioButton("QRORadioButton", "QRO", QRect(152, 268, 57, 17));

    Label2 = AddLabel("Label2", "Power Limit (watts):", QRect(16, 298, 97, 13));
    WattsLimit = new QLineEdit("5.0", this);
    WattsLimit->setObjectName("WattsLimit");
    WattsLimit->setGeometry(120, 296, 41, 21);
    Memo2 = AddMemo("Memo2",
                    {"Don't forget to set the power level on ",
                     "your transmitter to be at least what you ", "specify here."},
                    QRect(176, 288, 229, 39));
    EnableLimitControls(false);
    FitToFont();
}

void TPowerLimitForm::EnableLimitControls(bool enabled) {
    QRPRadioButton->setEnabled(enabled);
    QRORadioButton->setEnabled(enabled);
    WattsLimit->setEnabled(enabled);
}

void TPowerLimitForm::PowerLimitCheckBoxClick() {
    EnableLimitControls(PowerLimitCheckBox->isChecked());
}

PowerLimitSettings TPowerLimitForm::Run(QWidget* mainWindow, const PowerLimitSettings& current,
                                        MessagePresenter& messages) {
    PowerLimitCheckBox->setChecked(current.PowerLimitEnabled);
    EnableLimitControls(current.PowerLimitEnabled);
    (current.QRPJumpered ? QRPRadioButton : QRORadioButton)->setChecked(true);
    const char separator = DecimalSeparator();
    WattsLimit->setText(QString::fromStdString(EditFieldText(current.MaxWatts, separator)));
    ExecBeside(mainWindow);

    PowerLimitSettings result;
    result.PowerLimitEnabled = PowerLimitCheckBox->isChecked();
    result.QRPJumpered = QRPRadioButton->isChecked();
    // Recomputed whether or not the limit is on, so the volts always match the watts shown.
    const PowerLimitOutcome outcome =
        PowerLimitFromText(WattsLimit->text().toStdString(), result.QRPJumpered, separator);
    result.MaxWatts = outcome.MaxWatts;
    result.MaxVolts = outcome.MaxVolts;
    if (outcome.ExceedsRange) {
        messages.MessageDialog(std::string(kPowerExceedsCaption), "i",
                               PowerExceedsText(outcome.MaxWatts, separator));
    }
    return result;
}
