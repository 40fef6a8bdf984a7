// The main window publishing its figures over MQTT: each graph cycle's state goes to the
// publisher's own thread, which sends the latest once per interval; the link's state comes back
// to the log, the tray light's tip and the MQTT dialog.

#include <QDateTime>
#include <QSysInfo>

#include "app/DialogSet.h"
#include "app/MainWindow.h"
#include "app/MeasurementDisplay.h"
#include "app/StatusPanel.h"
#include "meter/MeterProtocol.h"
#include "mqtt/MosquittoClient.h"
#include "mqtt/MqttPublisher.h"

void MainWindow::BuildMqtt() {
    // Called on the network thread: the state is shown on this one.
    mqtt_ = std::make_unique<MqttPublisher>(
        std::make_unique<MosquittoClient>(), [this](const MqttLinkStatus& status) {
            QMetaObject::invokeMethod(
                this, [this, status] { ShowMqttStatus(status); }, Qt::QueuedConnection);
        });
}

void MainWindow::StartMqtt() {
    ReadMqttSettings(settingsFile_, settings_.Mqtt, QSysInfo::machineHostName().toStdString());
    mqtt_->Configure(settings_.Mqtt);
}

void MainWindow::ChooseMqtt() {
    if (!dialogs_ || !mqtt_) return;
    const std::optional<MqttSettings> chosen =
        dialogs_->mqttDialog->Run(this, settings_.Mqtt, mqtt_->Status().shown);
    if (!chosen || Ending() || *chosen == settings_.Mqtt) return;
    settings_.Mqtt = *chosen;
    mqtt_->Configure(settings_.Mqtt);
}

void MainWindow::ShowMqttStatus(const MqttLinkStatus& status) {
    Log("MQTT: " + status.text);
    display_->ShowLinkNote(status.link == MqttLink::Off ? "" : "MQTT: " + status.shown);
    if (dialogs_) dialogs_->mqttDialog->ShowLinkState(status.shown);
}

void MainWindow::PublishCycle(const Measurement& m) {
    if (!settings_.Mqtt.Enabled || !mqtt_) return;
    PublishedState state = CycleState(m, QDateTime::currentMSecsSinceEpoch(), settings_.QRPJumpered,
                                      CurrentMixerLevel());
    state.status = display_->StatusWord();
    state.pskMode = display_->PskMode();
    state.comPort = ComPortName(link_.ComPort);
    if (followRigAction_->isChecked()) state.rig = RigHistoryColumns();
    if (sweepResult_ && sweepResult_->best) {
        const SweepStep& best = *sweepResult_->best;
        state.bestLevel = KeptBestLevel{best.level, best.watts, best.imdDb};
    }
    mqtt_->Hand(state);
}
