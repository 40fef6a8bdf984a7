#include "dialogs/ShowPowerDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

ShowPowerDialog::ShowPowerDialog(QWidget* parent)
    : FixedDialog(tr("Show Power"), 487, 149, parent) {
    explanation =
        AddLabel("explanation",
                 tr("Quorvane can compute the average RF power output of your PSK signal "
                    "and show the estimate on the status line when you ask for it here. "
                    "For an accurate report, tell Quorvane how the meter's QRP/QRO jumper "
                    "block is set."),
                 QRect(8, 8, 471, 41), true);
    showPowerCheckBox = AddCheckBox("showPowerCheckBox",
                                    tr("Enable the display of my estimated average PSK RF power"),
                                    QRect(8, 56, 305, 17));
    jumperCaption = AddLabel("jumperCaption", tr("How is your QRP/QRO jumper block set?"),
                             QRect(8, 84, 193, 13));
    qrpButton = AddRadioButton("qrpButton", "QRP ", QRect(16, 104, 57, 17));
    qroButton = AddRadioButton("qroButton", "QRO", QRect(16, 124, 57, 17));
    FitToFont();
}

ShowPowerChoice ShowPowerDialog::Run(QWidget* mainWindow, const ShowPowerChoice& current) {
    showPowerCheckBox->setChecked(current.showPower);
    (current.qrpJumpered ? qrpButton : qroButton)->setChecked(true);
    ExecBeside(mainWindow);
    return {showPowerCheckBox->isChecked(), qrpButton->isChecked()};
}
