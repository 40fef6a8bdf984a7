// What goes to the broker: the state message and Home Assistant's discovery configs checked
// against the lists in docs/mqtt.md, and the publisher's thread over a recording link.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <chrono>
#include <fstream>
#include <map>
#include <thread>

#include "mqtt/MqttPublisher.h"

namespace {

QJsonObject Parsed(const std::string& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json;
    return document.object();
}

// The cells of the table rows under the documentation's heading `section` whose first cell
// is `code`.
std::vector<QStringList> DocumentedRows(const std::string& section) {
    std::ifstream doc(QUORVANE_MQTT_DOC);
    std::vector<QStringList> rows;
    bool inSection = false;
    for (std::string line; std::getline(doc, line);) {
        if (line.starts_with("## ")) inSection = line == "## " + section;
        if (!inSection || !line.starts_with("| `")) continue;
        QStringList cells = QString::fromStdString(line).split('|');
        cells = cells.mid(1, cells.size() - 2);
        for (QString& cell : cells) cell = cell.trimmed().remove('`');
        rows.push_back(cells);
    }
    return rows;
}

// Every documented field of a full state is there and nothing else; figures carry the status
// line's decimals, figures not reached are null, texts are escaped.
TEST(MqttMessages, StateHasTheDocumentedFields) {
    PublishedState state;
    state.utcMillis = 1796727033250;
    state.status = "SAY \"HI\"";
    state.peakVolts = 2.46;
    state.imdDb = -27.26;
    state.rmsErrorPercent = 1.524;
    state.levelPercent = 61;
    state.rig = RigColumns{14070000.0, "PKTUSB", 40.0, std::nullopt, 25.0};
    state.bestLevel = KeptBestLevel{61, 24.04, -27.0};
    const QJsonObject json = Parsed(StateJson(state));
    QStringList documented;
    for (const QStringList& row : DocumentedRows("The state message")) documented << row[0];
    documented.sort();
    EXPECT_EQ(json.keys().join(' ').toStdString(), documented.join(' ').toStdString());
    EXPECT_EQ(json["utc"].toString().toStdString(), "2026-12-08T10:50:33.250Z");
    EXPECT_EQ(json["status"].toString().toStdString(), "SAY \"HI\"");
    const std::map<QString, double> figures = {{"peak_volts", 2.5},
                                               {"imd_db", -27.3},
                                               {"rms_error_percent", 1.52},
                                               {"level_percent", 61},
                                               {"rig_frequency_hz", 14070000},
                                               {"rig_watts", 25},
                                               {"best_level_watts", 24.0}};
    for (const auto& [field, value] : figures)
        EXPECT_DOUBLE_EQ(json[field].toDouble(), value) << field.toStdString();
    EXPECT_TRUE(json["watts"].isNull() && json["rig_swr"].isNull());
    EXPECT_FALSE(Parsed(StateJson(PublishedState{})).contains("rig_mode"));
}

// Each sensor's config, field by field, as the documentation's two tables give them.
TEST(MqttMessages, DiscoveryConfigsAreTheDocumentedOnes) {
    const std::vector<MqttMessage> configs = DiscoveryConfigs("quorvane/shack pc");
    const auto fill = [](QString text, const QString& object) {
        return text.replace("<node>", "quorvane_shack_pc")
            .replace("<topic>", "quorvane/shack pc")
            .replace("<object>", object);
    };
    std::vector<QStringList> common, sensors;
    for (const QStringList& row : DocumentedRows("Home Assistant discovery")) {
        if (row.size() == 2) common.push_back(row);
        if (row.size() == 6 && row[0] != "Object") sensors.push_back(row);
    }
    ASSERT_EQ(configs.size(), sensors.size());
    const QStringList optional = {"name", "value_template", "unit_of_measurement", "state_class",
                                  "device_class"};
    for (std::size_t i = 0; i < configs.size(); ++i) {
        const QString object = sensors[i][0];
        SCOPED_TRACE(object.toStdString());
        EXPECT_EQ(configs[i].topic,
                  fill("homeassistant/sensor/<node>/<object>/config", object).toStdString());
        QJsonObject json = Parsed(configs[i].payload);
        QJsonObject device = json.take("device").toObject();
        device["identifiers"] =
            QString(QJsonDocument(device["identifiers"].toArray()).toJson(QJsonDocument::Compact));
        for (const QStringList& row : common) {
            const bool ofDevice = row[0].startsWith("device.");
            const QJsonValue value = ofDevice ? device.take(row[0].mid(7)) : json.take(row[0]);
            EXPECT_EQ(value.toString().toStdString(), fill(row[1], object).toStdString())
                << row[0].toStdString();
        }
        for (int column = 0; column < optional.size(); ++column) {
            const QString documented = sensors[i][column + 1];
            if (!documented.isEmpty()) {
                EXPECT_EQ(json.take(optional[column]).toString().toStdString(),
                          documented.toStdString());
            }
        }
        EXPECT_TRUE(json.isEmpty() && device.isEmpty()) << "undocumented fields";
    }
}

// The publisher's link as a script: each Connect answered by the next outcome, every message
// recorded in `sent`, which outlives it.
using Sent = std::vector<std::tuple<std::string, std::string, int, bool>>;
struct RecordingClient : BrokerClient {
    RecordingClient(std::vector<Outcome> script, Sent& record)
        : answers(std::move(script)), sent(record) {}
    std::string Connect(const BrokerLogin&) override { return ""; }
    Outcome Loop(int timeoutMs) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs / 10));
        if (answers.empty()) return {};
        const Outcome next = answers.front();
        answers.erase(answers.begin());
        return next;
    }
    void Publish(const MqttMessage& m, int qos, bool retain) override {
        sent.emplace_back(m.topic, m.payload, qos, retain);
    }
    void Disconnect() override {}
    std::vector<Outcome> answers;
    Sent& sent;
};

// Refused, then waits 1 s and gets in: "online" retained at QoS 1, the discovery configs, the
// latest state once; "offline" retained at the end. The waits grow to 30 s.
TEST(MqttPublisher, RetriesThenPublishesTheLatestStateAndSaysGoodbye) {
    Sent sent;  // written on the publisher's thread, read once it has ended
    std::vector<std::string> seen;
    {
        MqttPublisher publisher(
            std::make_unique<RecordingClient>(
                std::vector<BrokerClient::Outcome>{{BrokerClient::Event::Refused, "login refused"},
                                                   {BrokerClient::Event::Connected, ""}},
                sent),
            [&seen](const MqttLinkStatus& s) { seen.push_back(s.text); });
        PublishedState state;
        for (const char* word : {"NOISE", "SIGNAL OK"})
            publisher.Hand((state.status = word, state));
        publisher.Configure(
            {.Enabled = true, .Host = "h", .Topic = "t", .Interval = 60000, .HomeAssistant = true});
        for (int i = 0; i < 300 && publisher.Status().link != MqttLink::Connected; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        publisher.Hand((state.status = "SPLATTER!", state));  // within the interval: not sent
    }
    ASSERT_EQ(sent.size(), 7u);
    EXPECT_EQ(sent.front(), std::tuple("t/availability", "online", 1, true));
    EXPECT_EQ(std::get<0>(sent[5]), "t/state");
    EXPECT_NE(std::get<1>(sent[5]).find("SIGNAL OK"), std::string::npos);
    EXPECT_EQ(sent.back(), std::tuple("t/availability", "offline", 1, true));
    EXPECT_EQ(seen,
              (std::vector<std::string>{"connecting to h:1883", "login refused; retrying in 1 s",
                                        "connecting to h:1883", "connected to h:1883"}));

    ReconnectSchedule waits;
    std::vector<int> delays(7);
    for (int& delay : delays) delay = waits.NextDelayMs();
    EXPECT_EQ(delays, (std::vector<int>{1000, 2000, 4000, 8000, 16000, 30000, 30000}));
}

}  // namespace
