#pragma once
// Publishes the program's figures to an MQTT broker from a thread of its own, so that neither
// the window nor the measurement cycle ever waits on the network. The GUI thread hands over
// each cycle's state and new settings; the network thread publishes the latest state once per
// interval, keeps "<topic>/availability" retained ("online", with "offline" as the last will),
// and reconnects with a growing wait while the broker is away or refuses the login.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "base/Translation.h"
#include "mqtt/BrokerClient.h"
#include "mqtt/PublishedState.h"
#include "mqtt/ReconnectSchedule.h"
#include "settings/MqttSettings.h"

enum class MqttLink { Off, Connecting, Connected, Retrying };

struct MqttLinkStatus {
    MqttLink link = MqttLink::Off;
    std::string text = "off";   // for the log; never holds the password
    std::string shown = "off";  // the same in the operator's language
    bool operator==(const MqttLinkStatus&) const = default;
};

class MqttPublisher {
public:
    // Waits this long for the broker's answer to a connection before trying again.
    static constexpr std::chrono::seconds kAnswerTimeout{10};

    // `changed` is called on the network thread at every change of the link's status.
    MqttPublisher(std::unique_ptr<BrokerClient> client,
                  std::function<void(const MqttLinkStatus&)> changed);
    // Says "offline" to the broker when connected, then ends the thread.
    ~MqttPublisher();
    MqttPublisher(const MqttPublisher&) = delete;
    MqttPublisher& operator=(const MqttPublisher&) = delete;

    // New settings, from any thread: an enabled link (re)connects with them, a disabled one
    // says goodbye.
    void Configure(const MqttSettings& settings);
    // The latest cycle's state; only the latest is kept.
    void Hand(const PublishedState& state);
    MqttLinkStatus Status() const;

private:
    using Clock = std::chrono::steady_clock;
    enum class Phase { Idle, Waiting, Connecting, Connected };

    void Run();
    // The steps below run on the network thread without the lock.
    void Apply(const MqttSettings& settings);
    void Attempt();
    void Step();
    void Connected();
    void PublishLatest();
    // `why` is a reason of this class (marked TRANSLATABLE) or "%1" with the client's own.
    void Retry(const char* why, std::initializer_list<std::string_view> parts = {});
    void Leave();
    // `pattern` (marked TRANSLATABLE) with its parts filled in, in English and translated.
    void SetStatus(MqttLink link, const char* pattern,
                   std::initializer_list<std::string_view> parts = {});
    void Report(const MqttLinkStatus& status);
    std::string Address() const;

    std::unique_ptr<BrokerClient> client_;
    std::function<void(const MqttLinkStatus&)> changed_;

    // Shared with the GUI thread, under mutex_.
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<MqttSettings> pending_;
    std::optional<PublishedState> latest_;
    bool fresh_ = false;
    bool stop_ = false;
    MqttLinkStatus status_;

    // The network thread's own.
    MqttSettings active_;
    Phase phase_ = Phase::Idle;
    Clock::time_point due_;
    Clock::time_point nextPublish_;
    ReconnectSchedule backoff_;

    std::thread thread_;  // last, so that it starts with everything above in place
};
