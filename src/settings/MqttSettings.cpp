#include "settings/MqttSettings.h"

#include "settings/SettingsFile.h"

namespace {
constexpr char kSection[] = "MQTT";
constexpr char kEnabled[] = "Enabled";
constexpr char kHost[] = "Host";
constexpr char kPort[] = "Port";
constexpr char kTopic[] = "Topic";
constexpr char kUsername[] = "Username";
constexpr char kPassword[] = "Password";
constexpr char kInterval[] = "Interval";
constexpr char kHomeAssistant[] = "HomeAssistant";
}  // namespace

std::string DefaultMqttTopic(const std::string& hostName) {
    std::string name = hostName.empty() ? "quorvane" : hostName;
    for (char& c : name)
        if (c == '+' || c == '#' || c == '/' || c == ' ' || c == '\t') c = '_';
    return "quorvane/" + name;
}

void ReadMqttSettings(const SettingsFile& file, MqttSettings& mqtt, const std::string& hostName) {
    const MqttSettings defaults;
    mqtt.Enabled = file.ReadBool(kSection, kEnabled, defaults.Enabled);
    mqtt.Host = file.ReadString(kSection, kHost, defaults.Host);
    mqtt.Port = file.ReadInteger(kSection, kPort, defaults.Port);
    mqtt.Topic = file.ReadString(kSection, kTopic, "");
    // A topic ending in '/' would give "//state".
    while (mqtt.Topic.ends_with('/')) mqtt.Topic.pop_back();
    if (mqtt.Topic.empty()) mqtt.Topic = DefaultMqttTopic(hostName);
    mqtt.Username = file.ReadString(kSection, kUsername, "");
    mqtt.Password = file.ReadString(kSection, kPassword, "");
    mqtt.Interval = file.ReadInteger(kSection, kInterval, defaults.Interval);
    mqtt.HomeAssistant = file.ReadBool(kSection, kHomeAssistant, defaults.HomeAssistant);
}

bool SaveMqttSettings(SettingsFile& file, const MqttSettings& mqtt) {
    bool ok = file.WriteBool(kSection, kEnabled, mqtt.Enabled);
    ok = file.WriteString(kSection, kHost, mqtt.Host) && ok;
    ok = file.WriteInteger(kSection, kPort, mqtt.Port) && ok;
    ok = file.WriteString(kSection, kTopic, mqtt.Topic) && ok;
    ok = file.WriteString(kSection, kUsername, mqtt.Username) && ok;
    ok = file.WriteString(kSection, kPassword, mqtt.Password) && ok;
    ok = file.WriteInteger(kSection, kInterval, mqtt.Interval) && ok;
    ok = file.WriteBool(kSection, kHomeAssistant, mqtt.HomeAssistant) && ok;
    return ok;
}
