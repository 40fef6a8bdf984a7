#include "dialogs/RefreshRateDialog.h"

#include <QComboBox>
#include <QLabel>

#include "dialogs/Commands.h"

RefreshRateDialog::RefreshRateDialog(QWidget* parent)
    : FixedDialog(tr("Refresh Rate"), 219, 152, parent) {
    explanation =
        AddLabel("explanation",
                 tr("Quorvane monitors your transmitter's RF output at periodic intervals. "
                    "You can select a sample rate of 2 times per second, once per second, or "
                    "once every 2 seconds."),
                 QRect(8, 8, 203, 65), true);
    rateList = AddComboBox("rateList", RefreshRateEntries, 32, 96, 153);
    NameField(rateList, tr("Refresh rate"));
    FitToFont();
}

int RefreshRateDialog::Run(QWidget* mainWindow, int currentIntervalMs) {
    ShowInList(rateList, TranslatedEntry(RefreshRateText(currentIntervalMs)));
    ExecBeside(mainWindow);
    return RefreshIntervalFromText(EntryText(rateList, RefreshRateEntries));
}
