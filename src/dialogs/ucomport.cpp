#include "dialogs/ucomport.h"

#include <QComboBox>
#include <QLabel>
#include <vector>

#include "dialogs/Commands.h"

TPortForm::TPortForm(QWidget* parent) : FixedDialog("Com Port Selection", 405, 209, parent) {
    Label1 = AddLabel("Label1", QString(), QRect(8, 8, 384, 52), true);
    Label2 = AddLabel("Label2", QString(), QRect(8, 88, 379, 39), true);
    std::vector<std::string> names;
    for (int port = 1; port <= kComPortEntryCount; ++port) names.push_back(ComPortText(port));
    const std::vector<std::string_view> entries(names.begin(), names.end());
    ComPortComboBox = AddComboBox("ComPortComboBox", entries, 160, 144, 81);
    FitToFont();
}

PortChoice TPortForm::Run(QWidget* mainWindow, int comPort, bool ntFamily) {
    ShowPort(comPort);
    const PortHelpTexts texts = PortFormTexts(ntFamily);
    Label1->setText(QString::fromStdString(texts.Label1));
    Label2->setText(QString::fromStdString(texts.Label2));
    FitToFont();
    ExecBeside(mainWindow);
    const std::string text = ComPortComboBox->currentText().toStdString();
    return {text, ComPortFromText(text)};
}

void TPortForm::ShowPort(int comPort) {
    ShowInList(ComPortComboBox, QString::fromStdString(ComPortText(comPort)));
}
