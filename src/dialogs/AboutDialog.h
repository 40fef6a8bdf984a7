#pragma once
// The About box: program version, the meter's firmware and the operating system.

#include <functional>
#include <string>

#include "dialogs/FixedDialog.h"

class QLabel;

class AboutDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // Returns the firmware text to show after "Firmware: "; the main window queries the meter
    // and updates what depends on the firmware version in it.
    using FirmwareQuery = std::function<std::string()>;

    // Shows the box modally. `queryFirmware` runs each time the box is shown and each time
    // the operator clicks the firmware line. The caller stops the measurement timer around it.
    void Run(QWidget* mainWindow, const std::string& programVersion, const std::string& osName,
             FirmwareQuery queryFirmware);

    QLabel* versionLabel;
    QLabel* firmwareLabel;
    QLabel* osLabel;
    QLabel* moreInfoLabel;
    QLabel* webLabel;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowFirmware();
    // Labels span the box and centre their text; a long text widens the box.
    QLabel* AddCentredLabel(const QString& name, const QString& text, int top, int height);

    QWidget* mainWindow_ = nullptr;
    FirmwareQuery queryFirmware_;
};
