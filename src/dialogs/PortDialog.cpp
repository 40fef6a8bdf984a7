#include "dialogs/PortDialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <algorithm>

#include "dialogs/Commands.h"

namespace {
// The field as drawn holds a COM name; a device's description needs the dialog's width.
constexpr int kNameLeft = 160;
constexpr int kNameWidth = 81;
constexpr int kDeviceLeft = 8;
constexpr int kDeviceWidth = 389;
}  // namespace

PortDialog::PortDialog(QWidget* parent) : FixedDialog(tr("Com Port Selection"), 405, 209, parent) {
    explanation = AddLabel("explanation", QString(), QRect(8, 8, 384, 52), true);
    hint = AddLabel("hint", QString(), QRect(8, 88, 379, 39), true);
    portList = AddComboBox("portList", {}, kNameLeft, 144, kNameWidth);
    NameField(portList, tr("Serial port"));
    SetEntries(PlainPortEntries(kComPortEntryCount));
    FitToFont();
}

void PortDialog::SetEntries(std::vector<PortEntry> entries) {
    entries_ = std::move(entries);
    portList->clear();
    for (const PortEntry& entry : entries_) portList->addItem(QString::fromStdString(entry.Text));
    portList->view()->setMinimumWidth(portList->view()->sizeHintForColumn(0));
}

void PortDialog::FitField() {
    const bool devices = std::any_of(entries_.begin(), entries_.end(),
                                     [](const PortEntry& e) { return !e.Device.Node.empty(); });
    const QRect field = portList->geometry();
    portList->setGeometry(devices ? kDeviceLeft : kNameLeft, field.y(),
                          devices ? kDeviceWidth : kNameWidth, field.height());
}

PortChoice PortDialog::Run(QWidget* mainWindow, int comPort, bool ntFamily,
                           std::vector<PortEntry> entries) {
    SetEntries(std::move(entries));
    ShowPort(comPort);
#ifdef _WIN32
    const PortHelpTexts texts = PortFormTexts(ntFamily);
#else
    (void)ntFamily;
    const PortHelpTexts texts = LinuxPortFormTexts();
#endif
    explanation->setText(QString::fromStdString(texts.explanation));
    hint->setText(QString::fromStdString(texts.hint));
    FitToFont();
    FitField();
    ExecBeside(mainWindow);
    const std::string text = portList->currentText().toStdString();
    // A listed entry says what it is; typed text is read as a COM name.
    const auto picked = std::find_if(entries_.begin(), entries_.end(),
                                     [&](const PortEntry& e) { return e.Text == text; });
    if (picked == entries_.end()) return {text, ComPortFromText(text), std::nullopt};
    if (picked->ComPort == 0) return {text, 0, picked->Device};
    return {text, picked->ComPort, std::nullopt};
}

void PortDialog::ShowPort(int comPort) {
    const auto listed = std::find_if(entries_.begin(), entries_.end(),
                                     [&](const PortEntry& e) { return e.ComPort == comPort; });
    ShowInList(portList, QString::fromStdString(listed == entries_.end() ? ComPortText(comPort)
                                                                         : listed->Text));
}
