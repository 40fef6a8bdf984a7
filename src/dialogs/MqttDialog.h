#pragma once
// The MQTT dialog: whether and where the program publishes its figures, and how the link to
// the broker stands. OK (Enter) takes the fields, Cancel (Escape) leaves the settings as they
// were.

#include <optional>
#include <string>

#include "dialogs/FixedDialog.h"
#include "settings/MqttSettings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

class MqttDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit MqttDialog(QWidget* parent = nullptr);

    // Shows `current` and the link's state; the fields as they are on OK, nothing on Cancel.
    std::optional<MqttSettings> Run(QWidget* mainWindow, const MqttSettings& current,
                                    const std::string& linkState);
    // The link's state while the dialog is open.
    void ShowLinkState(const std::string& text);

    QCheckBox* enabledCheckBox;
    QLineEdit* hostEdit;
    QSpinBox* portEdit;
    QLineEdit* topicEdit;
    QLineEdit* usernameEdit;
    QLineEdit* passwordEdit;
    QSpinBox* intervalEdit;
    QCheckBox* homeAssistantCheckBox;
    QLabel* linkState;

private:
    // A caption and its field on one row; the caption is the field's buddy, so its
    // accelerator reaches the field.
    template <typename Field>
    Field* AddRow(const QString& name, const QString& caption, int top, Field* field);
};
