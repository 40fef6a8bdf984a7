#pragma once
// The COM port dialog: which serial port talks to the meter.

#include <string>

#include "dialogs/FixedDialog.h"

class QComboBox;
class QLabel;

struct PortChoice {
    std::string ListText;  // as the operator left it, for the "Could not open" note
    int ComPort;
};

class TPortForm : public FixedDialog {
    Q_OBJECT
public:
    explicit TPortForm(QWidget* parent = nullptr);

    // Shows the current port and the notes for the Windows family, lets the operator choose,
    // and returns the list's text with the port number it names.
    PortChoice Run(QWidget* mainWindow, int comPort, bool ntFamily);
    // Puts a port back in the list after the chosen one failed to open.
    void ShowPort(int comPort);

    QLabel* Label1;
    QLabel* Label2;
    QComboBox* ComPortComboBox;
};
