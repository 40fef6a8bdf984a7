#include "mqtt/MqttPublisher.h"

#include <algorithm>
#include <utility>

namespace {
constexpr int kLoopMs = 50;  // how soon the thread notices new settings or the end
constexpr int kShortestIntervalMs = 100;
constexpr char kOnline[] = "online";
constexpr char kOffline[] = "offline";
}  // namespace

MqttPublisher::MqttPublisher(std::unique_ptr<BrokerClient> client,
                             std::function<void(const MqttLinkStatus&)> changed)
    : client_(std::move(client)), changed_(std::move(changed)), thread_([this] { Run(); }) {}

MqttPublisher::~MqttPublisher() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void MqttPublisher::Configure(const MqttSettings& settings) {
    {
        const std::lock_guard lock(mutex_);
        pending_ = settings;
    }
    wake_.notify_all();
}

void MqttPublisher::Hand(const PublishedState& state) {
    const std::lock_guard lock(mutex_);
    latest_ = state;
    fresh_ = true;
}

MqttLinkStatus MqttPublisher::Status() const {
    const std::lock_guard lock(mutex_);
    return status_;
}

void MqttPublisher::Run() {
    std::unique_lock lock(mutex_);
    const auto interrupted = [this] { return stop_ || pending_.has_value(); };
    while (!stop_) {
        if (pending_) {
            const MqttSettings settings = *std::exchange(pending_, std::nullopt);
            lock.unlock();
            Apply(settings);
        } else if (phase_ == Phase::Idle) {
            wake_.wait(lock, interrupted);
            continue;
        } else if (phase_ == Phase::Waiting) {
            if (wake_.wait_until(lock, due_, interrupted)) continue;
            lock.unlock();
            Attempt();
        } else {
            lock.unlock();
            Step();
        }
        lock.lock();
    }
    lock.unlock();
    Leave();
}

void MqttPublisher::Apply(const MqttSettings& settings) {
    Leave();
    active_ = settings;
    backoff_.Reset();
    if (active_.Enabled) {
        phase_ = Phase::Waiting;
        due_ = Clock::now();
    } else {
        SetStatus(MqttLink::Off, TRANSLATABLE("MqttLink", "off"));
    }
}

void MqttPublisher::Attempt() {
    SetStatus(MqttLink::Connecting, TRANSLATABLE("MqttLink", "connecting to %1"), {Address()});
    const BrokerLogin login{active_.Host, active_.Port, active_.Username, active_.Password,
                            active_.Topic + "/availability"};
    const std::string why = client_->Connect(login);
    if (!why.empty()) return Retry("%1", {why});
    phase_ = Phase::Connecting;
    due_ = Clock::now() + kAnswerTimeout;
}

void MqttPublisher::Step() {
    const BrokerClient::Outcome outcome = client_->Loop(kLoopMs);
    switch (outcome.event) {
        case BrokerClient::Event::Connected:
            return Connected();
        case BrokerClient::Event::Refused:
        case BrokerClient::Event::Lost:
            client_->Disconnect();
            return Retry("%1", {outcome.why});
        case BrokerClient::Event::None:
            break;
    }
    if (phase_ == Phase::Connected) return PublishLatest();
    if (Clock::now() < due_) return;
    client_->Disconnect();
    Retry(TRANSLATABLE("MqttLink", "no answer from the broker"));
}

void MqttPublisher::Connected() {
    phase_ = Phase::Connected;
    backoff_.Reset();
    client_->Publish({active_.Topic + "/availability", kOnline}, 1, true);
    if (active_.HomeAssistant)
        for (const MqttMessage& config : DiscoveryConfigs(active_.Topic))
            client_->Publish(config, 1, true);
    nextPublish_ = Clock::now();
    SetStatus(MqttLink::Connected, TRANSLATABLE("MqttLink", "connected to %1"), {Address()});
}

void MqttPublisher::PublishLatest() {
    const Clock::time_point now = Clock::now();
    if (now < nextPublish_) return;
    std::optional<PublishedState> state;
    {
        const std::lock_guard lock(mutex_);
        if (!fresh_) return;
        fresh_ = false;
        state = latest_;
    }
    client_->Publish({active_.Topic + "/state", StateJson(*state)}, 0, false);
    nextPublish_ = now + std::chrono::milliseconds(std::max(active_.Interval, kShortestIntervalMs));
}

void MqttPublisher::Retry(const char* why, std::initializer_list<std::string_view> parts) {
    const int delayMs = backoff_.NextDelayMs();
    phase_ = Phase::Waiting;
    due_ = Clock::now() + std::chrono::milliseconds(delayMs);
    const std::string seconds = std::to_string(delayMs / 1000);
    const char* pattern = TRANSLATABLE("MqttLink", "%1; retrying in %2 s");
    const std::string english = TextIn(true, "MqttLink", why, parts);
    const std::string shown = TextIn(false, "MqttLink", why, parts);
    Report({MqttLink::Retrying, TextIn(true, "MqttLink", pattern, {english, seconds}),
            TextIn(false, "MqttLink", pattern, {shown, seconds})});
}

void MqttPublisher::Leave() {
    if (phase_ == Phase::Connected)
        client_->Publish({active_.Topic + "/availability", kOffline}, 1, true);
    if (phase_ == Phase::Connected || phase_ == Phase::Connecting) client_->Disconnect();
    phase_ = Phase::Idle;
}

void MqttPublisher::SetStatus(MqttLink link, const char* pattern,
                              std::initializer_list<std::string_view> parts) {
    Report({link, TextIn(true, "MqttLink", pattern, parts),
            TextIn(false, "MqttLink", pattern, parts)});
}

void MqttPublisher::Report(const MqttLinkStatus& status) {
    {
        const std::lock_guard lock(mutex_);
        if (status == status_) return;
        status_ = status;
    }
    if (changed_) changed_(status);
}

std::string MqttPublisher::Address() const {
    return active_.Host + ":" + std::to_string(active_.Port);
}
