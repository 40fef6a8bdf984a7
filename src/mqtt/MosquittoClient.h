#pragma once
// The broker link through libmosquitto, driven by the publisher's thread alone: its own
// network loop (mosquitto_loop), no thread of the library's.

#include "mqtt/BrokerClient.h"

struct mosquitto;

class MosquittoClient final : public BrokerClient {
public:
    MosquittoClient();
    ~MosquittoClient() override;
    MosquittoClient(const MosquittoClient&) = delete;
    MosquittoClient& operator=(const MosquittoClient&) = delete;

    std::string Connect(const BrokerLogin& login) override;
    Outcome Loop(int timeoutMs) override;
    void Publish(const MqttMessage& message, int qos, bool retain) override;
    void Disconnect() override;

private:
    static void OnConnect(mosquitto* handle, void* self, int code);
    static void OnDisconnect(mosquitto* handle, void* self, int code);

    mosquitto* handle_ = nullptr;
    Outcome pending_;
    bool connected_ = false;
};
