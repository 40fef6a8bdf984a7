#pragma once
// The link to an MQTT broker as the publisher uses it, on its network thread only: the real
// one is libmosquitto (MosquittoClient), tests may put their own in its place.

#include <string>

#include "mqtt/HomeAssistantDiscovery.h"

struct BrokerLogin {
    std::string host;
    int port = 1883;
    std::string username;  // none when empty
    std::string password;
    // The broker publishes "offline" here, retained, when the link breaks without a goodbye.
    std::string willTopic;
};

class BrokerClient {
public:
    enum class Event { None, Connected, Refused, Lost };
    struct Outcome {
        Event event = Event::None;
        std::string why;  // for Refused and Lost, in the library's words
    };

    virtual ~BrokerClient() = default;
    // Begins connecting without waiting for the broker; Loop tells how it went. Empty, or why
    // it could not begin.
    virtual std::string Connect(const BrokerLogin& login) = 0;
    // Waits up to `timeoutMs` for the network and handles what came.
    virtual Outcome Loop(int timeoutMs) = 0;
    virtual void Publish(const MqttMessage& message, int qos, bool retain) = 0;
    // Sends what is queued and closes the link; waits a moment at most.
    virtual void Disconnect() = 0;
};
