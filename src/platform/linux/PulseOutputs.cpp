#include "platform/linux/PulseOutputs.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/operation.h>
#include <pulse/volume.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "platform/Mixer.h"
#include "platform/linux/MixerErrorText.h"

namespace {

using Clock = std::chrono::steady_clock;

// After a failed connection the server is left alone this long.
constexpr std::chrono::seconds kRetryPause{3};

struct SinkState {
    std::string name;
    std::string description;
    uint8_t channels = 0;
    pa_volume_t volume = PA_VOLUME_MUTED;  // the loudest channel
};

// 0..65535 onto 0..PA_VOLUME_NORM and back, rounding to nearest both ways so every percent
// the program writes reads back the same, and pactl shows that same percent. A sink
// boosted past 100 % reads as full scale.
uint32_t ToScale(pa_volume_t volume) {
    const uint64_t norm = PA_VOLUME_NORM;
    return static_cast<uint32_t>((std::min<uint64_t>(volume, norm) * 65535 + norm / 2) / norm);
}
pa_volume_t FromScale(uint32_t value) {
    return static_cast<pa_volume_t>((uint64_t{value} * PA_VOLUME_NORM + 32767) / 65535);
}

SinkState StateOf(const pa_sink_info& info) {
    SinkState sink;
    sink.name = info.name ? info.name : "";
    sink.description = info.description && *info.description ? info.description : sink.name;
    sink.channels = info.volume.channels;
    sink.volume = pa_cvolume_max(&info.volume);
    return sink;
}

}  // namespace

// A pa_mainloop run by hand, each wait bounded by the time-out.
class PulseOutputs::Connection {
public:
    explicit Connection(std::chrono::milliseconds timeout) : timeout_(timeout) {}
    ~Connection() { Drop(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Every sink, sorted by name; nothing without a server.
    std::optional<std::vector<SinkState>> Sinks() {
        std::vector<SinkState> sinks;
        if (!Ready() || !Await(pa_context_get_sink_info_list(context_, CollectSink, &sinks)))
            return std::nullopt;
        std::sort(sinks.begin(), sinks.end(),
                  [](const SinkState& a, const SinkState& b) { return a.name < b.name; });
        return sinks;
    }

    std::optional<SinkState> Sink(const std::string& name) {
        std::vector<SinkState> sinks;
        if (!Ready() ||
            !Await(pa_context_get_sink_info_by_name(context_, name.c_str(), CollectSink, &sinks)) ||
            sinks.empty())
            return std::nullopt;
        return sinks.front();
    }

    bool SetVolume(const SinkState& sink, pa_volume_t volume) {
        pa_cvolume channels;
        if (!pa_cvolume_set(&channels, sink.channels, volume)) return false;
        int success = 0;
        return Ready() &&
               Await(pa_context_set_sink_volume_by_name(context_, sink.name.c_str(), &channels,
                                                        Succeeded, &success)) &&
               success;
    }

private:
    static void CollectSink(pa_context*, const pa_sink_info* info, int eol, void* sinks) {
        if (eol == 0 && info)
            static_cast<std::vector<SinkState>*>(sinks)->push_back(StateOf(*info));
    }
    static void Succeeded(pa_context*, int success, void* result) {
        *static_cast<int*>(result) = success;
    }

    bool Ready() {
        if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY) return true;
        Drop();
        if (Clock::now() < retryAfter_) return false;
        loop_ = pa_mainloop_new();
        if (loop_) context_ = pa_context_new(pa_mainloop_get_api(loop_), "Quorvane");
        // No autospawn: a desktop without a server keeps running without one.
        const bool ready =
            context_ &&
            pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
            RunUntil([this] {
                const pa_context_state_t state = pa_context_get_state(context_);
                return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
            }) &&
            pa_context_get_state(context_) == PA_CONTEXT_READY;
        if (!ready) Fail();
        return ready;
    }

    // Waits for the operation to end; the callbacks have delivered by then. On a time-out
    // the operation is cancelled (its callback never comes) and the connection dropped.
    bool Await(pa_operation* operation) {
        if (!operation) {
            Fail();
            return false;
        }
        const bool done = RunUntil(
            [operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; });
        const bool finished = done && pa_operation_get_state(operation) == PA_OPERATION_DONE;
        if (!done) pa_operation_cancel(operation);
        pa_operation_unref(operation);
        if (!finished) Fail();
        return finished;
    }

    bool RunUntil(const std::function<bool()>& done) {
        const Clock::time_point deadline = Clock::now() + timeout_;
        while (!done()) {
            const auto left =
                std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
            if (left.count() <= 0) return false;
            if (pa_mainloop_prepare(loop_, static_cast<int>(left.count())) < 0 ||
                pa_mainloop_poll(loop_) < 0 || pa_mainloop_dispatch(loop_) < 0)
                return false;
        }
        return true;
    }

    void Fail() {
        Drop();
        retryAfter_ = Clock::now() + kRetryPause;
    }

    void Drop() {
        if (context_) {
            pa_context_disconnect(context_);
            pa_context_unref(context_);
            context_ = nullptr;
        }
        if (loop_) pa_mainloop_free(loop_);
        loop_ = nullptr;
    }

    std::chrono::milliseconds timeout_;
    pa_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    Clock::time_point retryAfter_{};
};

PulseOutputs::PulseOutputs(std::chrono::milliseconds timeout)
    : connection_(std::make_unique<Connection>(timeout)) {}

PulseOutputs::~PulseOutputs() = default;

std::vector<AudioEndpoint> PulseOutputs::Active() {
    std::vector<AudioEndpoint> outputs;
    for (const SinkState& sink : connection_->Sinks().value_or(std::vector<SinkState>{}))
        outputs.push_back({sink.name, sink.description});
    return outputs;
}

uint32_t PulseOutputs::GetVolume(const std::string& id, uint32_t& value) {
    const std::optional<SinkState> sink = connection_->Sink(id);
    if (!sink) return mmsyserr::kNoDriver;
    value = ToScale(sink->volume);
    return mmsyserr::kNoError;
}

uint32_t PulseOutputs::SetVolume(const std::string& id, uint32_t value) {
    // Read first for the sink's channel count, which the server wants matched.
    const std::optional<SinkState> sink = connection_->Sink(id);
    if (!sink) return mmsyserr::kNoDriver;
    return connection_->SetVolume(*sink, FromScale(value)) ? mmsyserr::kNoError : mmsyserr::kError;
}

std::string PulseOutputs::ErrorText(uint32_t code) {
    return LinuxMixerErrorText(code);
}
