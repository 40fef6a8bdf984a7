#include "dialogs/MqttDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {
constexpr int kCaptionLeft = 8;
constexpr int kFieldLeft = 112;
constexpr int kFieldWidth = 209;
constexpr int kRowHeight = 26;
}  // namespace

template <typename Field>
Field* MqttDialog::AddRow(const QString& name, const QString& caption, int top, Field* field) {
    field->setObjectName(name);
    field->setGeometry(kFieldLeft, top, kFieldWidth, 21);
    QLabel* label = AddLabel(name + "Caption", caption, QRect(kCaptionLeft, top + 3, 100, 17));
    label->setBuddy(field);
    return field;
}

MqttDialog::MqttDialog(QWidget* parent) : FixedDialog(tr("MQTT"), 329, 300, parent) {
    enabledCheckBox = AddCheckBox("enabledCheckBox", tr("&Publish the figures over MQTT"),
                                  QRect(kCaptionLeft, 8, 313, 17));
    int top = 34;
    hostEdit = AddRow("hostEdit", tr("&Broker:"), top, new QLineEdit(this));
    portEdit = AddRow("portEdit", tr("P&ort:"), top += kRowHeight, new QSpinBox(this));
    portEdit->setRange(1, 65535);
    topicEdit = AddRow("topicEdit", tr("&Topic:"), top += kRowHeight, new QLineEdit(this));
    usernameEdit =
        AddRow("usernameEdit", tr("&User name:"), top += kRowHeight, new QLineEdit(this));
    passwordEdit = AddRow("passwordEdit", tr("Pass&word:"), top += kRowHeight, new QLineEdit(this));
    passwordEdit->setEchoMode(QLineEdit::Password);
    intervalEdit =
        AddRow("intervalEdit", tr("&Interval (ms):"), top += kRowHeight, new QSpinBox(this));
    intervalEdit->setRange(100, 3600000);
    intervalEdit->setSingleStep(100);
    homeAssistantCheckBox = AddCheckBox("homeAssistantCheckBox", tr("&Home Assistant discovery"),
                                        QRect(kCaptionLeft, top += kRowHeight + 4, 313, 17));
    linkState = AddLabel("linkState", "", QRect(kCaptionLeft, top += kRowHeight, 313, 34), true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("buttons");
    buttons->setGeometry(kCaptionLeft, 264, 313, 28);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FitToFont();
}

void MqttDialog::ShowLinkState(const std::string& text) {
    linkState->setText(tr("Link: %1").arg(QString::fromStdString(text)));
}

std::optional<MqttSettings> MqttDialog::Run(QWidget* mainWindow, const MqttSettings& current,
                                            const std::string& state) {
    enabledCheckBox->setChecked(current.Enabled);
    hostEdit->setText(QString::fromStdString(current.Host));
    portEdit->setValue(current.Port);
    topicEdit->setText(QString::fromStdString(current.Topic));
    usernameEdit->setText(QString::fromStdString(current.Username));
    passwordEdit->setText(QString::fromStdString(current.Password));
    intervalEdit->setValue(current.Interval);
    homeAssistantCheckBox->setChecked(current.HomeAssistant);
    ShowLinkState(state);
    enabledCheckBox->setFocus();
    ExecBeside(mainWindow);
    if (result() != QDialog::Accepted) return std::nullopt;
    MqttSettings chosen = current;
    chosen.Enabled = enabledCheckBox->isChecked();
    chosen.Host = hostEdit->text().trimmed().toStdString();
    chosen.Port = portEdit->value();
    // An emptied topic keeps the one before: the state messages need somewhere to go.
    const std::string topic = topicEdit->text().trimmed().toStdString();
    if (!topic.empty()) chosen.Topic = topic;
    chosen.Username = usernameEdit->text().toStdString();
    chosen.Password = passwordEdit->text().toStdString();
    chosen.Interval = intervalEdit->value();
    chosen.HomeAssistant = homeAssistantCheckBox->isChecked();
    return chosen;
}
