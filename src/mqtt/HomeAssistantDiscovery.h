#pragma once
// Home Assistant's MQTT discovery: one retained config message per sensor under
// "homeassistant/", so that Home Assistant makes the sensors (IMD, power, status, level) of
// the program's state messages by itself. docs/mqtt.md lists the fields.

#include <string>
#include <vector>

struct MqttMessage {
    std::string topic;
    std::string payload;
};

// The topic's characters Home Assistant does not take in an ID become '_'.
std::string DiscoveryNodeId(const std::string& topic);

// The config messages for the program publishing under `topic`.
std::vector<MqttMessage> DiscoveryConfigs(const std::string& topic);
