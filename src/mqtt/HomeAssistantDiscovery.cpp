#include "mqtt/HomeAssistantDiscovery.h"

#include <cctype>

#include "mqtt/JsonObject.h"

namespace {
struct Sensor {
    const char* objectId;
    const char* name;
    const char* field;  // in the state message
    const char* unit;   // empty for a text
    const char* deviceClass;
};

constexpr Sensor kSensors[] = {
    {"imd", "IMD", "imd_db", "dB", ""},
    {"power", "Power", "watts", "W", "power"},
    {"status", "Status", "status", "", ""},
    {"level", "Level", "level_percent", "%", ""},
};

std::string Config(const Sensor& sensor, const std::string& topic, const std::string& nodeId) {
    JsonObject json;
    json.Text("name", sensor.name)
        .Text("unique_id", nodeId + "_" + sensor.objectId)
        .Text("state_topic", topic + "/state")
        .Text("value_template", std::string("{{ value_json.") + sensor.field + " }}")
        .Text("availability_topic", topic + "/availability")
        .Text("payload_available", "online")
        .Text("payload_not_available", "offline");
    if (*sensor.unit)
        json.Text("unit_of_measurement", sensor.unit).Text("state_class", "measurement");
    if (*sensor.deviceClass) json.Text("device_class", sensor.deviceClass);
    // Appended rather than "[" + ...: g++ 12 at -O3 takes that for an overlapping copy.
    const std::string identifiers = std::string("[").append(JsonString(nodeId)).append("]");
    const std::string device = JsonObject()
                                   .Raw("identifiers", identifiers)
                                   .Text("name", std::string("Quorvane ").append(topic))
                                   .Text("model", "PSK31/PSK63 IMD meter")
                                   .Json();
    return json.Raw("device", device).Json();
}
}  // namespace

std::string DiscoveryNodeId(const std::string& topic) {
    std::string id = topic;
    for (char& c : id)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-') c = '_';
    return id;
}

std::vector<MqttMessage> DiscoveryConfigs(const std::string& topic) {
    const std::string nodeId = DiscoveryNodeId(topic);
    std::vector<MqttMessage> messages;
    for (const Sensor& sensor : kSensors)
        messages.push_back({"homeassistant/sensor/" + nodeId + "/" + sensor.objectId + "/config",
                            Config(sensor, topic, nodeId)});
    return messages;
}
