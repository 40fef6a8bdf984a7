#include "dialogs/TargetImdDialog.h"

#include <QComboBox>
#include <QLabel>

#include "dialogs/Commands.h"

TargetImdDialog::TargetImdDialog(QWidget* parent)
    : FixedDialog(tr("Setting the Target IMD Value"), 342, 282, parent) {
    explanation = AddLabel(
        "explanation",
        tr("Quorvane computes the IMD of your signal with each sample and uses it to reset the "
           "audio level of your sound card. By default, Quorvane keeps the IMD better than -22db.\n"
           "\n"
           "Some targets may be impossible to meet, for instance -30db. Quorvane then keeps "
           "reducing the audio level slowly, and your RF power may end up much lower than you "
           "want. Experiment to find the target that suits your transmitter."),
        QRect(8, 8, 297, 195), true);
    targetList = AddComboBox("targetList", TargetImdEntries, 88, 216, 145);
    NameField(targetList, tr("Target IMD"));
    FitToFont();
}

int TargetImdDialog::Run(QWidget* mainWindow, int targetImd) {
    targetList->setCurrentIndex(TargetImdIndex(targetImd));
    ExecBeside(mainWindow);
    return TargetImdFromText(targetList->currentText().toStdString(), targetImd);
}
