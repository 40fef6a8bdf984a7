#include "dialogs/GainDialog.h"

#include <QLabel>

#include "dialogs/Commands.h"
#include "dialogs/MaskedEdit.h"

GainDialog::GainDialog(QWidget* parent) : FixedDialog(tr("Feedback gain"), 318, 292, parent) {
    explanation = AddMemo("explanation",
                          {tr("With Automatic Level Control on, Quorvane\n"
                              "adjusts the audio level of your sound card\n"
                              "so that your transmitter is neither\n"
                              "underdriven nor overmodulated.\n"
                              "\n"
                              "The size of each adjustment depends on how\n"
                              "far the RF signal is from a perfect signal\n"
                              "and on the gain. The gain is the ratio of\n"
                              "the percent change in audio level to the\n"
                              "percent by which the RF differs from a\n"
                              "perfect signal.\n"
                              "\n"
                              "Too high a gain makes the audio level swing\n"
                              "wildly up and down. If it does, reduce the\n"
                              "gain until the adjustments come in\n"
                              "\"baby steps.\"")},
                          QRect(8, 8, 289, 217));

    gainCaption = AddLabel("gainCaption", tr("Gain: "), QRect(104, 236, 29, 13));
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
