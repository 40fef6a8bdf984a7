#include "platform/linux/PulseCuePlayer.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>
#include <optional>

namespace {
constexpr pa_usec_t kLatency = 50'000;
}  // namespace

// Everything below runs with the loop's lock held: on libpulse's thread in its callbacks,
// or on the caller's in Play, which takes the lock only to hand the sound over.
class PulseCuePlayer::Server {
public:
    Server() : loop_(pa_threaded_mainloop_new()) {
        if (loop_ && pa_threaded_mainloop_start(loop_) < 0) {
            pa_threaded_mainloop_free(loop_);
            loop_ = nullptr;
        }
    }
    ~Server() {
        if (!loop_) return;
        pa_threaded_mainloop_lock(loop_);
        DropContext();
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    void Play(const CueSound& sound) {
        if (!loop_ || sound.Samples.empty() || sound.SampleRate <= 0) return;
        pa_threaded_mainloop_lock(loop_);
        pending_ = sound;
        // A server that went away is looked for again; the cue sounds once it is ready.
        if (!context_ || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
            Connect();
        else if (pa_context_get_state(context_) == PA_CONTEXT_READY)
            AskDefaultSink();
        pa_threaded_mainloop_unlock(loop_);
    }

private:
    void Connect() {
        DropContext();
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Quorvane");
        if (!context_) return;
        pa_context_set_state_callback(context_, ContextChanged, this);
        // No autospawn: a desktop without a server plays no cues.
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            DropContext();
    }

    static void ContextChanged(pa_context* context, void* self) {
        if (pa_context_get_state(context) == PA_CONTEXT_READY)
            static_cast<Server*>(self)->AskDefaultSink();
    }

    // The default sink is asked afresh for every cue: the desktop may have changed it.
    void AskDefaultSink() {
        if (!pending_) return;
        if (pa_operation* asked = pa_context_get_server_info(context_, ServerInfo, this))
            pa_operation_unref(asked);
    }

    static void ServerInfo(pa_context*, const pa_server_info* info, void* self) {
        if (info && info->default_sink_name)
            static_cast<Server*>(self)->StartStream(info->default_sink_name);
    }

    void StartStream(const char* sink) {
        if (!pending_) return;
        EndStream();
        sound_ = std::move(*pending_);
        pending_.reset();
        written_ = 0;
        draining_ = false;
        const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<uint32_t>(sound_.SampleRate), 1};
        pa_proplist* properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
        stream_ = pa_stream_new_with_proplist(context_, "Status cue", &format, nullptr, properties);
        pa_proplist_free(properties);
        if (!stream_) return;
        pa_stream_set_write_callback(stream_, Writable, this);
        // A short buffer, so that the cue sounds at the change and not a sink's latency later
        // (a null sink's reaches 2 s), and the next one never cuts it off unheard.
        pa_buffer_attr buffer;
        buffer.maxlength = buffer.prebuf = buffer.minreq = buffer.fragsize = uint32_t(-1);
        buffer.tlength = static_cast<uint32_t>(pa_usec_to_bytes(kLatency, &format));
        if (pa_stream_connect_playback(
                stream_, sink, &buffer,
                static_cast<pa_stream_flags_t>(PA_STREAM_DONT_MOVE | PA_STREAM_ADJUST_LATENCY),
                nullptr, nullptr) < 0)
            EndStream();
    }

    static void Writable(pa_stream* stream, size_t room, void* self) {
        static_cast<Server*>(self)->Write(stream, room);
    }

    void Write(pa_stream* stream, size_t room) {
        const auto* bytes = reinterpret_cast<const char*>(sound_.Samples.data());
        const size_t total = sound_.Samples.size() * sizeof(std::int16_t);
        const size_t now = std::min(room, total - written_);
        if (now > 0 &&
            pa_stream_write(stream, bytes + written_, now, nullptr, 0, PA_SEEK_RELATIVE) == 0)
            written_ += now;
        if (written_ < total || draining_) return;
        // All handed over: the stream ends once the server has played it.
        draining_ = true;
        if (pa_operation* drain = pa_stream_drain(stream, Drained, this)) pa_operation_unref(drain);
    }

    static void Drained(pa_stream* stream, int, void* self) {
        auto* server = static_cast<Server*>(self);
        if (stream == server->stream_) server->EndStream();
    }

    void EndStream() {
        if (!stream_) return;
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }

    void DropContext() {
        EndStream();
        if (!context_) return;
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }

    pa_threaded_mainloop* loop_;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::optional<CueSound> pending_;  // handed over, waiting for the default sink's name
    CueSound sound_;                   // the one playing
    size_t written_ = 0;
    bool draining_ = false;
};

PulseCuePlayer::PulseCuePlayer() : server_(std::make_unique<Server>()) {}

PulseCuePlayer::~PulseCuePlayer() = default;

void PulseCuePlayer::Play(const CueSound& sound) {
    server_->Play(sound);
}
