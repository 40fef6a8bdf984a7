#include "dialogs/ucard.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "audio/usound.h"
#include "base/MessagePresenter.h"
#include "dialogs/Commands.h"

TSoundCardForm::TSoundCardForm(QWidget* parent) : FixedDialog("Sound Card", 244, 243, parent) {
    Memo1 = AddMemo("Memo1",
                    {"Most computers have one sound card, ", "which quorvane detects and uses to ",
                     "control the audio level.", "", "However, if your computer has more ",
                     "than one sound card, you can select ", "which sound card is being used to ",
                     "provide audio to your rig.", "", "Select the sound card that is used to ",
                     "provide an audio signal to your rig:"},
                    QRect(16, 16, 209, 153));
    ComboBox1 = AddComboBox("ComboBox1", {}, 16, 176, 209);
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) { picked_ = index; });
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, [this] { picked_ = -1; });
    // Qt takes a text that equals an entry for a pick when the edit loses focus or gets Enter;
    // here only a pick from the list counts, so the card shown on opening is not chosen by it.
    QObject::disconnect(ComboBox1->lineEdit(), &QLineEdit::editingFinished, ComboBox1, nullptr);
    QObject::disconnect(ComboBox1->lineEdit(), &QLineEdit::returnPressed, ComboBox1, nullptr);
    FitToFont();
}

std::optional<int> TSoundCardForm::Run(QWidget* mainWindow, TspVolumeControl& volume, int soundCard,
                                       MessagePresenter& messages) {
    const int count = volume.GetMixerCount();
    if (count == 1) {
        messages.MessageDialog(std::string(kOneSoundCardCaption), "i",
                               OneSoundCardText(volume.GetDeviceName(0)));
        return std::nullopt;
    }
    const QString current = QString::fromStdString(volume.GetDeviceName(soundCard));
    ComboBox1->clear();
    for (int device = 0; device < count; ++device)
        ComboBox1->addItem(QString::fromStdString(volume.GetDeviceName(device)));
    // The list opens wide enough for whole names: a sound server's outputs have long ones.
    ComboBox1->view()->setMinimumWidth(ComboBox1->view()->sizeHintForColumn(0));
    // The list shows the card in use without picking it.
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(current);
    picked_ = -1;
    ExecBeside(mainWindow);
    return SoundCardFromSelection(picked_);
}
