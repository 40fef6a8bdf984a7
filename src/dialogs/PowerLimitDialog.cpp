#include "dialogs/PowerLimitDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "base/MessagePresenter.h"

PowerLimitDialog::PowerLimitDialog(QWidget* parent)
    : FixedDialog(tr("Power Limit"), 413, 330, parent) {
    explanation = AddLabel(
        "explanation",
        tr("This setting lets you give the maximum power you want to transmit.\n"
           "\n"
           "By default, Quorvane sets the sound card level for the highest power you can get "
           "without splatter. With the power limit enabled, Quorvane will not let your "
           "transmitter's power exceed the value you give below: whenever the peak signal goes "
           "above it, the sound card level is reduced, whatever the measured IMD.\n"
           "\n"
           "Set the QRP/QRO buttons to match the jumper block on the meter's printed circuit "
           "board, so that Quorvane reads the peak voltage at the ADC input correctly."),
        QRect(8, 8, 393, 211), true);

    limitCheckBox = AddCheckBox("limitCheckBox", tr("Enable Power Limit"), QRect(16, 224, 121, 17));
    connect(limitCheckBox, &QCheckBox::clicked, this, &PowerLimitDialog::LimitCheckBoxClicked);

    // The jumper question with its two answers beside it.
    jumperCaption = AddLabel("jumperCaption", tr("How is your QRP/QRO jumper block set?"),
                             QRect(8, 250, 136, 30), true);
    qrpButton = AddRadioButton("qrpButton", "QRP", QRect(152, 248, 57, 17));
    qrpButton->setChecked(true);
    qroButton = AddRadioButton("qroButton", "QRO", QRect(152, 268, 57, 17));

    wattsCaption = AddLabel("wattsCaption", tr("Power Limit (watts):"), QRect(16, 298, 97, 13));
    wattsEdit = new QLineEdit("5.0", this);
    wattsEdit->setObjectName("wattsEdit");
    wattsEdit->setGeometry(120, 296, 41, 21);
    LabelField(wattsCaption, wattsEdit);
    reminder = AddMemo("reminder",
                       {tr("Don't forget to set the power level on \n"
                           "your transmitter to be at least what you \n"
                           "specify here.")},
                       QRect(176, 288, 229, 39));
    EnableLimitControls(false);
    FitToFont();
}

void PowerLimitDialog::EnableLimitControls(bool enabled) {
    qrpButton->setEnabled(enabled);
    qroButton->setEnabled(enabled);
    wattsEdit->setEnabled(enabled);
}

void PowerLimitDialog::LimitCheckBoxClicked() {
    EnableLimitControls(limitCheckBox->isChecked());
}

PowerLimitSettings PowerLimitDialog::Run(QWidget* mainWindow, const PowerLimitSettings& current,
                                         MessagePresenter& messages) {
    limitCheckBox->setChecked(current.PowerLimitEnabled);
    EnableLimitControls(current.PowerLimitEnabled);
    (current.QRPJumpered ? qrpButton : qroButton)->setChecked(true);
    const char separator = DecimalSeparator();
    wattsEdit->setText(QString::fromStdString(EditFieldText(current.MaxWatts, separator)));
    ExecBeside(mainWindow);

    PowerLimitSettings result;
    result.PowerLimitEnabled = limitCheckBox->isChecked();
    result.QRPJumpered = qrpButton->isChecked();
    // Recomputed whether or not the limit is on, so the volts always match the watts shown.
    const PowerLimitOutcome outcome =
        PowerLimitFromText(wattsEdit->text().toStdString(), result.QRPJumpered, separator);
    result.MaxWatts = outcome.MaxWatts;
    result.MaxVolts = outcome.MaxVolts;
    if (outcome.ExceedsRange) {
        messages.ShowMessage(tr(kPowerExceedsCaption).toStdString(), MessageKind::Information,
                             PowerExceedsText(outcome.MaxWatts, separator));
    }
    return result;
}
