#pragma once
// The [MQTT] section of quorvane.ini: whether and where the program publishes its figures.

#include <string>

class SettingsFile;

struct MqttSettings {
    bool Enabled = false;
    std::string Host = "localhost";
    int Port = 1883;
    // Filled in at start-up with DefaultMqttTopic() when the file has none.
    std::string Topic;
    std::string Username;
    std::string Password;
    int Interval = 1000;  // ms between two state messages
    bool HomeAssistant = false;

    bool operator==(const MqttSettings&) const = default;
};

// "quorvane/<host name>", the host name's characters that a topic cannot hold ('+', '#', '/')
// and blanks becoming '_'.
std::string DefaultMqttTopic(const std::string& hostName);

void ReadMqttSettings(const SettingsFile& file, MqttSettings& mqtt, const std::string& hostName);
// Written with the shutdown save, inside its batch; false when a key could not be written.
bool SaveMqttSettings(SettingsFile& file, const MqttSettings& mqtt);
