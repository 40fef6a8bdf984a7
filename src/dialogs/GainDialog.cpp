#include "dialogs/GainDialog.h"

#include <QLabel>

#include "dialogs/Commands.h"
#include "dialogs/MaskedEdit.h"

GainDialog::GainDialog(QWidget* parent) : FixedDialog("Feedback gain", 318, 292, parent) {
    explanation = AddMemo(
        "explanation",
        {"With Automatic Level Control on, Quorvane", "adjusts the audio level of your sound card",
         "so that your transmitter is neither", "underdriven nor overmodulated.", "",
         "The size of each adjustment depends on how", "far the RF signal is from a perfect signal",
         "and on the gain. The gain is the ratio of", "the percent change in audio level to the",
         "percent by which the RF differs from a", "perfect signal.", "",
         "Too high a gain makes the audio level swing",
         "wildly up and down. If it does, reduce the", "gain until the adjustments come in",
         "\"baby steps.\""},
        QRect(8, 8, 289, 217));

    gainCaption = AddLabel("gainCaption", "Gain: ", QRect(104, 236, 29, 13));
    gainCaption->setAlignment(Qt::AlignRight | Qt::AlignTop);

    gainEdit = new MaskedEdit(this);
    gainEdit->setObjectName("gainEdit");
    gainEdit->setGeometry(136, 232, 43, 21);
    gainEdit->setAlignment(Qt::AlignLeft);
    gainEdit->SetEditMask("99.9;1; ");
    gainEdit->SetText(" 1.0");
    LabelField(gainCaption, gainEdit);
    FitToFont();
}

double GainDialog::Run(QWidget* mainWindow, double gain) {
    const char separator = DecimalSeparator();
    gainEdit->SetText(QString::fromStdString(EditFieldText(gain, separator)));
    ExecBeside(mainWindow);
    return GainFromText(gainEdit->Text().toStdString(), separator);
}
