#pragma once
// The sound card dialog: which mixer device the level control moves.

#include <optional>

#include "dialogs/FixedDialog.h"

class MessagePresenter;
class QComboBox;
class QLabel;
class MixerInventory;

class SoundCardDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit SoundCardDialog(QWidget* parent = nullptr);

    // With exactly one mixer device, names it through `messages` and returns nothing: there
    // is nothing to choose. Otherwise lists the devices and returns the one the operator
    // picked, or 0 when none was picked; nothing when closed with Esc. The caller then
    // rebuilds the mixer object.
    std::optional<int> Run(QWidget* mainWindow, MixerInventory& volume, int soundCard,
                           MessagePresenter& messages);

    QLabel* explanation;
    QComboBox* cardList;

private:
    // Index of the entry the operator picked since the dialog opened; typing unpicks it.
    int picked_ = -1;
};
