#include "dialogs/ugain.h"

#include <QLabel>

#include "dialogs/Commands.h"
#include "dialogs/aoxmask.h"

TGainForm::TGainForm(QWidget* parent) : FixedDialog("Feedback gain", 318, 292, parent) {
    Memo1 = AddMemo(
        "Memo1",
        {"With Automatic Level Control on, Quorvane", "adjusts the audio level of your sound card",
         "so that your transmitter is neither", "underdriven nor overmodulated.", "",
         "The size of each adjustment depends on how", "far the RF signal is from a perfect signal",
         "and on the gain. The gain is the ratio of", "the percent change in audio level to the",
         "percent by which the RF differs from a", "perfect signal.", "",
         "Too high a gain makes the audio level swing",
         "wildly up and down. If it does, reduce the", "gain until the adjustments come in",
         "\"baby steps.\""},
        QRect(8, 8, 289, 217));

    GainEditCaption = AddLabel("GainEditCaption", "Gain: ", QRect(104, 236, 29, 13));
    GainEditCaption->setAlignment(Qt::AlignRight | Qt::AlignTop);

    GainEdit = new TOxMaskEdit(this);
    GainEdit->setObjectName("GainEdit");
    GainEdit->setGeometry(136, 232, 43, 21);
    GainEdit->setAlignment(Qt::AlignLeft);
    GainEdit->SetCaptionPos(TOxCaptionPosType::cpLeft);
    GainEdit->SetEditMaskStyle(TOxMaskStyle::dBaseStyle);
    GainEdit->SetEditMask("99.9;1; ");
    GainEdit->SetMaxLength(4);
    GainEdit->SetOverwrite(false);
    GainEdit->SetTabOnEnter(false);
    GainEdit->SetText(" 1.0");
    FitToFont();
}

double TGainForm::Run(QWidget* mainWindow, double gain) {
    const char separator = DecimalSeparator();
    GainEdit->SetText(QString::fromStdString(EditFieldText(gain, separator)));
    ExecBeside(mainWindow);
    return GainFromText(GainEdit->Text().toStdString(), separator);
}
