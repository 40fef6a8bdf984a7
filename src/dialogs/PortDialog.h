#pragma once
// The COM port dialog: which serial port talks to the meter.

#include <optional>
#include <string>
#include <vector>

#include "dialogs/FixedDialog.h"
#include "meter/PortListing.h"

class QComboBox;
class QLabel;

struct PortChoice {
    std::string ListText;  // as the operator left it, for the "Could not open" note
    int ComPort;           // 0 with NewDevice: the device still needs a COM number
    std::optional<SerialDevice> NewDevice;
};

class PortDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit PortDialog(QWidget* parent = nullptr);

    // Shows `entries` with the current port and the notes for this system, lets the
    // operator choose, and returns the list's text with the port or device it names.
    PortChoice Run(QWidget* mainWindow, int comPort, bool ntFamily, std::vector<PortEntry> entries);
    // Puts a port back in the list after the chosen one failed to open.
    void ShowPort(int comPort);

    QLabel* explanation;
    QLabel* hint;
    QComboBox* portList;

private:
    void SetEntries(std::vector<PortEntry> entries);
    // Widens the field to the dialog's width while devices are listed; after FitToFont,
    // which lays the controls out as drawn.
    void FitField();

    std::vector<PortEntry> entries_;
};
