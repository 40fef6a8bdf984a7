#pragma once
// The sound card dialog: which mixer device the level control moves.

#include <optional>

#include "dialogs/FixedDialog.h"

class MessagePresenter;
class QComboBox;
class QLabel;
class TspVolumeControl;

class TSoundCardForm : public FixedDialog {
    Q_OBJECT
public:
    explicit TSoundCardForm(QWidget* parent = nullptr);

    // With exactly one mixer device, names it through `messages` and returns nothing: there
    // is nothing to choose. Otherwise lists the devices and returns the one the operator
    // picked, or 0 when none was picked. The caller then rebuilds the mixer object.
    std::optional<int> Run(QWidget* mainWindow, TspVolumeControl& volume, int soundCard,
                           MessagePresenter& messages);

    QLabel* Memo1;
    QComboBox* ComboBox1;

private:
    // Index of the entry the operator picked since the dialog opened; typing unpicks it.
    int picked_ = -1;
};
