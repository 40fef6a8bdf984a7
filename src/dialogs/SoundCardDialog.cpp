#include "dialogs/SoundCardDialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "audio/MixerInventory.h"
#include "base/MessagePresenter.h"
#include "dialogs/Commands.h"

SoundCardDialog::SoundCardDialog(QWidget* parent)
    : FixedDialog(tr("Sound Card"), 244, 243, parent) {
    explanation = AddMemo("explanation",
                          {tr("Most computers have one sound card, \n"
                              "which quorvane detects and uses to \n"
                              "control the audio level.\n"
                              "\n"
                              "However, if your computer has more \n"
                              "than one sound card, you can select \n"
                              "which sound card is being used to \n"
                              "provide audio to your rig.\n"
                              "\n"
                              "Select the sound card that is used to \n"
                              "provide an audio signal to your rig:")},
                          QRect(16, 16, 209, 153));
    cardList = AddComboBox("cardList", {}, 16, 176, 209);
    NameField(cardList, tr("Sound card"));
    connect(cardList, &QComboBox::activated, this, [this](int index) { picked_ = index; });
    connect(cardList->lineEdit(), &QLineEdit::textEdited, this, [this] { picked_ = -1; });
    // Qt takes a text that equals an entry for a pick when the edit loses focus or gets Enter;
    // here only a pick from the list counts, so the card shown on opening is not chosen by it.
    QObject::disconnect(cardList->lineEdit(), &QLineEdit::editingFinished, cardList, nullptr);
    QObject::disconnect(cardList->lineEdit(), &QLineEdit::returnPressed, cardList, nullptr);
    FitToFont();
}

std::optional<int> SoundCardDialog::Run(QWidget* mainWindow, MixerInventory& volume, int soundCard,
                                        MessagePresenter& messages) {
    const int count = volume.GetMixerCount();
    if (count == 1) {
        messages.ShowMessage(tr(kOneSoundCardCaption).toStdString(), MessageKind::Information,
                             OneSoundCardText(volume.GetDeviceName(0)));
        return std::nullopt;
    }
    const QString current = QString::fromStdString(volume.GetDeviceName(soundCard));
    cardList->clear();
    for (int device = 0; device < count; ++device)
        cardList->addItem(QString::fromStdString(volume.GetDeviceName(device)));
    // The list opens wide enough for whole names: a sound server's outputs have long ones.
    cardList->view()->setMinimumWidth(cardList->view()->sizeHintForColumn(0));
    // The list shows the card in use without picking it.
    cardList->setCurrentIndex(-1);
    cardList->setEditText(current);
    picked_ = -1;
    ExecBeside(mainWindow);
    if (Cancelled()) return std::nullopt;
    return SoundCardFromSelection(picked_);
}
