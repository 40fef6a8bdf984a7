#include "dialogs/urefresh.h"

#include <QComboBox>
#include <QLabel>

#include "dialogs/Commands.h"

TRefreshForm::TRefreshForm(QWidget* parent) : FixedDialog("Refresh Rate", 219, 152, parent) {
    Label1 = AddLabel("Label1",
                      "Quorvane monitors your transmitter's RF output at periodic intervals. "
                      "You can select a sample rate of 2 times per second, once per second, or "
                      "once every 2 seconds.",
                      QRect(8, 8, 203, 65), true);
    RefreshRateComboBox = AddComboBox("RefreshRateComboBox", RefreshRateEntries, 32, 96, 153);
    FitToFont();
}

int TRefreshForm::Run(QWidget* mainWindow, int currentIntervalMs) {
    ShowInList(RefreshRateComboBox, QString::fromStdString(RefreshRateText(currentIntervalMs)));
    ExecBeside(mainWindow);
    return RefreshIntervalFromText(RefreshRateComboBox->currentText().toStdString());
}
