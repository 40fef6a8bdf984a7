#include "mqtt/MosquittoClient.h"

#include <mosquitto.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>
#include <utility>

namespace {
constexpr int kKeepAliveSeconds = 30;
constexpr int kGoodbyeLoops = 20;  // of 50 ms: how long Disconnect waits to send what is queued

std::string ErrorText(int code) {
    if (code != MOSQ_ERR_ERRNO) return mosquitto_strerror(code);
#ifdef _WIN32
    // There the library leaves Winsock's code in errno, which strerror does not know.
    return "Windows Sockets error " + std::to_string(errno);
#else
    return std::strerror(errno);
#endif
}
}  // namespace

MosquittoClient::MosquittoClient() {
    static std::once_flag initialised;
    std::call_once(initialised, [] { mosquitto_lib_init(); });
    handle_ = mosquitto_new(nullptr, true, this);
    if (!handle_) return;
    mosquitto_connect_callback_set(handle_, &MosquittoClient::OnConnect);
    mosquitto_disconnect_callback_set(handle_, &MosquittoClient::OnDisconnect);
}

MosquittoClient::~MosquittoClient() {
    if (handle_) mosquitto_destroy(handle_);
}

std::string MosquittoClient::Connect(const BrokerLogin& login) {
    if (!handle_) return "the MQTT library could not start";
    pending_ = {};
    connected_ = false;
    const char* user = login.username.empty() ? nullptr : login.username.c_str();
    const char* password = user ? login.password.c_str() : nullptr;
    int code = mosquitto_username_pw_set(handle_, user, password);
    if (code == MOSQ_ERR_SUCCESS)
        code = mosquitto_will_set(handle_, login.willTopic.c_str(), 7, "offline", 1, true);
    // Without blocking: the socket connects while Loop runs.
    if (code == MOSQ_ERR_SUCCESS)
        code = mosquitto_connect_async(handle_, login.host.c_str(), login.port, kKeepAliveSeconds);
    return code == MOSQ_ERR_SUCCESS ? "" : "cannot reach " + login.host + ": " + ErrorText(code);
}

BrokerClient::Outcome MosquittoClient::Loop(int timeoutMs) {
    const int code = mosquitto_loop(handle_, timeoutMs, 1);
    if (pending_.event != Event::None) return std::exchange(pending_, {});
    if (code != MOSQ_ERR_SUCCESS) return {Event::Lost, "broker unreachable: " + ErrorText(code)};
    return {};
}

void MosquittoClient::Publish(const MqttMessage& message, int qos, bool retain) {
    // Nothing to do on failure: a lost link shows in the next Loop, and state messages are
    // not queued for later.
    mosquitto_publish(handle_, nullptr, message.topic.c_str(), int(message.payload.size()),
                      message.payload.data(), qos, retain);
}

void MosquittoClient::Disconnect() {
    if (connected_) {
        mosquitto_disconnect(handle_);
        for (int i = 0; i < kGoodbyeLoops && connected_; ++i) mosquitto_loop(handle_, 50, 1);
    }
    // Whatever is left of the socket goes; the next Connect starts afresh.
    mosquitto_disconnect(handle_);
    mosquitto_loop(handle_, 0, 1);
    connected_ = false;
    pending_ = {};
}

void MosquittoClient::OnConnect(mosquitto*, void* self, int code) {
    auto& client = *static_cast<MosquittoClient*>(self);
    client.connected_ = code == 0;
    client.pending_ = code == 0 ? Outcome{Event::Connected, ""}
                                : Outcome{Event::Refused, std::string("login refused: ") +
                                                              mosquitto_connack_string(code)};
}

void MosquittoClient::OnDisconnect(mosquitto*, void* self, int code) {
    auto& client = *static_cast<MosquittoClient*>(self);
    const bool wasConnected = std::exchange(client.connected_, false);
    // A refusal stands over the disconnection that follows it; a goodbye of our own is no loss.
    if (client.pending_.event == Event::Refused || code == 0 || !wasConnected) return;
    client.pending_ = {Event::Lost, "connection lost: " + ErrorText(code)};
}
