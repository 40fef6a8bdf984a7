#include "dialogs/uimd.h"

#include <QComboBox>
#include <QLabel>

#include "dialogs/Commands.h"

TIMDForm::TIMDForm(QWidget* parent) : FixedDialog("Setting the Targe IMD Value", 342, 282, parent) {
    Label1 = AddLabel(
        "Label1",
        "Quorvane computes the IMD of your signal with each sample and uses it to reset the "
        "audio level of your sound card. By default, Quorvane keeps the IMD better than -22db.\n"
        "\n"
        "Some targets may be impossible to meet, for instance -30db. Quorvane then keeps "
        "reducing the audio level slowly, and your RF power may end up much lower than you "
        "want. Experiment to find the target that suits your transmitter.",
        QRect(8, 8, 297, 195), true);
    TargetIMDComboBox = AddComboBox("TargetIMDComboBox", TargetImdEntries, 88, 216, 145);
    FitToFont();
}

int TIMDForm::Run(QWidget* mainWindow, int targetImd) {
    TargetIMDComboBox->setCurrentIndex(TargetImdIndex(targetImd));
    ExecBeside(mainWindow);
    return TargetImdFromText(TargetIMDComboBox->currentText().toStdString(), targetImd);
}
