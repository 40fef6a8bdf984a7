#include "dialogs/NoiseThresholdDialog.h"

#include <QComboBox>
#include <QLabel>

#include "dialogs/Commands.h"

NoiseThresholdDialog::NoiseThresholdDialog(QWidget* parent)
    : FixedDialog(tr("Noise Threshold"), 265, 293, parent) {
    explanation = AddLabel(
        "explanation",
        tr("If your antenna is close to strong RF interference, the meter may pick up more than a "
           "few millivolts even when you are not transmitting, and Quorvane cannot tell that from "
           "a true PSK signal (on Field Day, for example).\n"
           "\n"
           "This setting is the \"noise floor\" in millivolts: signals below it are not processed, "
           "and the status line shows \"NOISE\" instead."),
        QRect(8, 8, 240, 143), true);
    floorCaption = AddLabel("floorCaption", tr("Noise floor (in mV):"), QRect(16, 228, 105, 13));
    floorList = AddComboBox("floorList", NoiseEntries, 128, 224, 65);
    LabelField(floorCaption, floorList);
    FitToFont();
}

int NoiseThresholdDialog::Run(QWidget* mainWindow, int noiseFloor) {
    ShowInList(floorList, QString::fromStdString(NoiseText(noiseFloor)));
    ExecBeside(mainWindow);
    return NoiseFloorFromText(floorList->currentText().toStdString(), noiseFloor);
}
