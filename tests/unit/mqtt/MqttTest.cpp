// What goes to the broker: the state message and Home Assistant's discovery configs against
// the lists in docs/mqtt.md, and the publisher's thread over a scripted broker link.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>
#include <thread>

#include "mqtt/MqttPublisher.h"

namespace {

QJsonObject Parsed(const std::string& json) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
}

// The cells of the rows under the heading `section` whose first cell is `code`, unquoted.
std::vector<QStringList> DocumentedRows(const std::string& section) {
    std::ifstream doc(QUORVANE_MQTT_DOC);
    std::vector<QStringList> rows;
    bool inSection = false;
    for (std::string line; std::getline(doc, line);) {
        if (line.starts_with("## ")) inSection = line == "## " + section;
        if (!inSection || !line.starts_with("| `")) continue;
        const QStringList cells = QString::fromStdString(line).split('|');
        rows.emplace_back();
        for (const QString& cell : cells.mid(1, cells.size() - 2))
            rows.back() << cell.trimmed().remove('`');
    }
    return rows;
}

// All documented fields and no others; null for what the cycle did not reach; texts escaped;
// no rig fields unless following the rig.
TEST(MqttMessages, StateHasTheDocumentedFields) {
    PublishedState state{.utcMillis = 1796727033250, .status = "SAY \"HI\""};
    state.rig = RigColumns{};
    state.bestLevel = KeptBestLevel{};
    const QJsonObject json = Parsed(StateJson(state));
    QStringList documented;
    for (const QStringList& row : DocumentedRows("The state message")) documented << row[0];
    documented.sort();
    EXPECT_EQ(json.keys().join(' ').toStdString(), documented.join(' ').toStdString());
    EXPECT_EQ(json["utc"].toString() + json["status"].toString(),
              "2026-12-08T10:50:33.250ZSAY \"HI\"");
    EXPECT_TRUE(json["peak_volts"].isNull() && json["rig_swr"].isNull());
    EXPECT_FALSE(Parsed(StateJson({})).contains("rig_mode"));
}

// Each sensor's config, field by field, as the documentation's two tables give them.
TEST(MqttMessages, DiscoveryConfigsAreTheDocumentedOnes) {
    const std::vector<MqttMessage> configs = DiscoveryConfigs("quorvane/shack pc");
    std::vector<QStringList> common, sensors;
    for (const QStringList& row : DocumentedRows("Home Assistant discovery"))
        (row.size() == 2 ? common : sensors).push_back(row);
    ASSERT_EQ(configs.size(), sensors.size());
    const QStringList optional = {
        "", "name", "value_template", "unit_of_measurement", "state_class", "device_class"};
    for (std::size_t i = 0; i < configs.size(); ++i) {
        const auto fill = [object = sensors[i][0]](QString text) {
            return text.replace("<node>", "quorvane_shack_pc")
                .replace("<topic>", "quorvane/shack pc")
                .replace("<object>", object)
                .toStdString();
        };
        EXPECT_EQ(configs[i].topic, fill("homeassistant/sensor/<node>/<object>/config"));
        QJsonObject json = Parsed(configs[i].payload), device = json.take("device").toObject();
        device["identifiers"] =
            QString(QJsonDocument(device["identifiers"].toArray()).toJson(QJsonDocument::Compact));
        for (const QStringList& row : common) {
            QJsonObject& holder = row[0].startsWith("device.") ? device : json;
            EXPECT_EQ(holder.take(row[0].section('.', -1)).toString().toStdString(), fill(row[1]))
                << row[0].toStdString();
        }
        for (int column = 1; column < optional.size(); ++column)
            EXPECT_EQ(json.take(optional[column]).toString(), sensors[i][column])
                << optional[column].toStdString();
        EXPECT_TRUE(json.isEmpty() && device.isEmpty())
            << "undocumented fields in " << configs[i].payload;
    }
}

// Refuses the first `refusals` Connects and answers the next at once; what is sent goes to
// `sent`.
using Sent = std::vector<std::tuple<std::string, std::string, int, bool>>;
struct ScriptedClient : BrokerClient {
    ScriptedClient(Sent& record, int& connects, int refusals = 1)
        : tries(connects), refused(refusals), sent(record) {}
    std::string Connect(const BrokerLogin&) override { return tries++ < refused ? "no" : ""; }
    Outcome Loop(int) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return {std::exchange(answered, true) ? Event::None : Event::Connected, ""};
    }
    void Publish(const MqttMessage& m, int qos, bool retain) override {
        sent.emplace_back(m.topic, m.payload, qos, retain);
    }
    void Disconnect() override {}
    int& tries;
    const int refused;
    bool answered = false;
    Sent& sent;
};

// Refused, tried again after 1 s and in: "online" retained at QoS 1, the four discovery
// configs, the latest state once in its interval; "offline" retained at the end.
TEST(MqttPublisher, RetriesThenPublishesTheLatestStateAndSaysGoodbye) {
    Sent sent;
    std::vector<std::string> seen;  // both read once the publisher's thread has ended
    int tries = 0;
    {
        MqttPublisher publisher(std::make_unique<ScriptedClient>(sent, tries),
                                [&seen](const MqttLinkStatus& s) { seen.push_back(s.text); });
        publisher.Hand({.status = "SIGNAL OK"});
        publisher.Configure(
            {.Enabled = true, .Host = "h", .Topic = "t", .Interval = 60000, .HomeAssistant = true});
        for (int i = 0; i < 300 && publisher.Status().link != MqttLink::Connected; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        publisher.Hand({.status = "SPLATTER!"});
    }
    ASSERT_EQ(sent.size(), 7u);
    EXPECT_EQ(sent.front(), std::tuple("t/availability", "online", 1, true));
    EXPECT_EQ(std::get<0>(sent[5]) + " " +
                  Parsed(std::get<1>(sent[5]))["status"].toString().toStdString(),
              "t/state SIGNAL OK");
    EXPECT_EQ(sent.back(), std::tuple("t/availability", "offline", 1, true));
    EXPECT_EQ(seen, (std::vector<std::string>{"connecting to h:1883", "no; retrying in 1 s",
                                              "connecting to h:1883", "connected to h:1883"}));
    // Refused every time, it keeps to the back-off: a try at once and one after 1 s.
    tries = 0;
    {
        MqttPublisher refused(std::make_unique<ScriptedClient>(sent, tries, 1000),
                              [](const MqttLinkStatus&) {});
        refused.Configure({.Enabled = true, .Host = "h", .Topic = "t"});
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    }
    EXPECT_LE(tries, 2);
    ReconnectSchedule waits;
    for (const int delay : {1000, 2000, 4000, 8000, 16000, 30000, 30000})
        EXPECT_EQ(waits.NextDelayMs(), delay);
}

}  // namespace
