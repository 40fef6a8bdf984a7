#include "dialogs/ucomport.h"

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

TPortForm::TPortForm(QWidget* parent) : FixedDialog("Com Port Selection", 405, 209, parent) {
    Label1 = AddLabel("Label1", QString(), QRect(8, 8, 384, 52), true);
    Label2 = AddLabel("Label2", QString(), QRect(8, 88, 379, 39), true);
    ComPortComboBox = AddComboBox("ComPortComboBox", {}, kNameLeft, 144, kNameWidth);
    SetEntries(PlainPortEntries(kComPortEntryCount));
    FitToFont();
}

void TPortForm::SetEntries(std::vector<PortEntry> entries) {
    entries_ = std::move(entries);
    ComPortComboBox->clear();
    for (const PortEntry& entry : entries_)
        ComPortComboBox->addItem(QString::fromStdString(entry.Text));
    ComPortComboBox->view()->setMinimumWidth(ComPortComboBox->view()->sizeHintForColumn(0));
}

void TPortForm::FitField() {
    const bool devices = std::any_of(entries_.begin(), entries_.end(),
                                     [](const PortEntry& e) { return !e.Device.Node.empty(); });
    const QRect field = ComPortComboBox->geometry();
    ComPortComboBox->setGeometry(devices ? kDeviceLeft : kNameLeft, field.y(),
                                 devices ? kDeviceWidth : kNameWidth, field.height());
}

PortChoice TPortForm::Run(QWidget* mainWindow, int comPort, bool ntFamily,
                          std::vector<PortEntry> entries) {
    SetEntries(std::move(entries));
    ShowPort(comPort);
#ifdef _WIN32
    const PortHelpTexts texts = PortFormTexts(ntFamily);
#else
    (void)ntFamily;
    const PortHelpTexts texts = LinuxPortFormTexts();
#endif
    Label1->setText(QString::fromStdString(texts.Label1));
    Label2->setText(QString::fromStdString(texts.Label2));
    FitToFont();
    FitField();
    ExecBeside(mainWindow);
    const std::string text = ComPortComboBox->currentText().toStdString();
    // A listed entry says what it is; typed text is read as a COM name, as it always was.
    const auto picked = std::find_if(entries_.begin(), entries_.end(),
                                     [&](const PortEntry& e) { return e.Text == text; });
    if (picked == entries_.end()) return {text, ComPortFromText(text), std::nullopt};
    if (picked->ComPort == 0) return {text, 0, picked->Device};
    return {text, picked->ComPort, std::nullopt};
}

void TPortForm::ShowPort(int comPort) {
    const auto listed = std::find_if(entries_.begin(), entries_.end(),
                                     [&](const PortEntry& e) { return e.ComPort == comPort; });
    ShowInList(
        ComPortComboBox,
        QString::fromStdString(listed == entries_.end() ? ComPortText(comPort) : listed->Text));
}
