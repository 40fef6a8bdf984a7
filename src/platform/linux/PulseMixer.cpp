#include "platform/linux/PulseMixer.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/operation.h>
#include <pulse/volume.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "platform/linux/MixerErrorText.h"

namespace {

using Clock = std::chrono::steady_clock;

// After a failed connection the server is left alone this long.
constexpr std::chrono::seconds kRetryPause{3};

// One destination, no sources, one control.
constexpr uint32_t kOutputLine = 0;
constexpr uint32_t kVolumeControl = 1;

constexpr uint32_t kNameChars = 63;  // a description is kept up to a line name's length

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
    if (sink.description.size() > kNameChars) sink.description.resize(kNameChars);
    sink.channels = info.volume.channels;
    sink.volume = pa_cvolume_max(&info.volume);
    return sink;
}

}  // namespace

// A pa_mainloop run by hand, each wait bounded by the time-out.
class PulseMixer::Connection {
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

PulseMixer::PulseMixer(std::chrono::milliseconds timeout)
    : connection_(std::make_unique<Connection>(timeout)) {}

PulseMixer::~PulseMixer() = default;

uint32_t PulseMixer::GetNumDevs() {
    return static_cast<uint32_t>(connection_->Sinks().value_or(std::vector<SinkState>{}).size());
}

uint32_t PulseMixer::GetDevCaps(uint32_t device, MixerCaps& caps) {
    const auto sinks = connection_->Sinks();
    if (!sinks || device >= sinks->size()) return mmsyserr::kBadDeviceId;
    caps.ProductName = (*sinks)[device].description;
    caps.Destinations = 1;
    return mmsyserr::kNoError;
}

uint32_t PulseMixer::Open(uint32_t device, uintptr_t /*callbackWindow*/, HMixer& handle) {
    // Change notifications are not sent: the program never acts on them.
    const auto sinks = connection_->Sinks();
    if (!sinks || device >= sinks->size()) return mmsyserr::kBadDeviceId;
    handle = nextHandle_++;
    sessions_.emplace(handle, (*sinks)[device].name);
    return mmsyserr::kNoError;
}

uint32_t PulseMixer::Close(HMixer handle) {
    return sessions_.erase(handle) ? mmsyserr::kNoError : mmsyserr::kInvalidHandle;
}

uint32_t PulseMixer::GetLineInfo(uint32_t device, MixerLine& line, LineQuery query) {
    if (device >= GetNumDevs()) return mmsyserr::kBadDeviceId;
    switch (query) {
        case LineQuery::ByDestination:
            if (line.Destination != 0) return mmsyserr::kInvalidLine;
            break;
        case LineQuery::BySource:
            return mmsyserr::kInvalidLine;
        case LineQuery::ByLineId:
            if (line.LineID != kOutputLine) return mmsyserr::kInvalidLine;
            break;
        default:
            return mmsyserr::kInvalidFlag;
    }
    line = MixerLine{};
    line.LineID = kOutputLine;
    line.Controls = 1;
    line.Name = "Volume Control";
    return mmsyserr::kNoError;
}

uint32_t PulseMixer::GetLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                                     std::vector<MixerControl>& controls) {
    if (!SinkOf(handle)) return mmsyserr::kInvalidHandle;
    if (lineId != kOutputLine) return mmsyserr::kInvalidLine;
    if (count != 1) return mmsyserr::kInvalidParam;
    controls = {{kVolumeControl, kVolumeControlType}};
    return mmsyserr::kNoError;
}

uint32_t PulseMixer::GetControlValue(HMixer handle, uint32_t controlId, uint32_t& value) {
    const std::string* name = SinkOf(handle);
    if (!name) return mmsyserr::kInvalidHandle;
    if (controlId != kVolumeControl) return mmsyserr::kInvalidControl;
    const std::optional<SinkState> sink = connection_->Sink(*name);
    if (!sink) return mmsyserr::kNoDriver;
    value = ToScale(sink->volume);
    return mmsyserr::kNoError;
}

uint32_t PulseMixer::SetControlValue(HMixer handle, uint32_t controlId, uint32_t value) {
    const std::string* name = SinkOf(handle);
    if (!name) return mmsyserr::kInvalidHandle;
    if (controlId != kVolumeControl) return mmsyserr::kInvalidControl;
    if (value > 65535) return mmsyserr::kInvalidValue;
    // Read first for the sink's channel count, which the server wants matched.
    const std::optional<SinkState> sink = connection_->Sink(*name);
    if (!sink) return mmsyserr::kNoDriver;
    return connection_->SetVolume(*sink, FromScale(value)) ? mmsyserr::kNoError : mmsyserr::kError;
}

std::string PulseMixer::ErrorText(uint32_t code) {
    return LinuxMixerErrorText(code);
}

const std::string* PulseMixer::SinkOf(HMixer handle) const {
    const auto it = sessions_.find(handle);
    return it == sessions_.end() ? nullptr : &it->second;
}
