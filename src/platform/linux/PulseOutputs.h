#pragma once
// The sound server's outputs (PulseAudio, or PipeWire through its PulseAudio service) as
// playback outputs, one per sink: the ID is the sink's name, the friendly name its
// description, the one the desktop's volume control shows. Listed in order of their
// names, so a set of outputs numbers the same whatever order they were plugged in. A
// volume maps 0..65535 onto 0..100 %, the loudest channel read, every channel written.
//
// The server is asked synchronously with a time-out; a server that does not answer in time
// is dropped, and for a few seconds after a failure no new connection is tried, so a dead
// or hung server costs the caller at most one time-out now and then. Without a server
// there are no outputs.

#include <chrono>
#include <memory>

#include "platform/AudioEndpoints.h"

class PulseOutputs final : public AudioEndpoints {
public:
    explicit PulseOutputs(std::chrono::milliseconds timeout = std::chrono::milliseconds(500));
    ~PulseOutputs() override;
    PulseOutputs(const PulseOutputs&) = delete;
    PulseOutputs& operator=(const PulseOutputs&) = delete;

    std::vector<AudioEndpoint> Active() override;
    uint32_t GetVolume(const std::string& id, uint32_t& value) override;
    uint32_t SetVolume(const std::string& id, uint32_t value) override;
    std::string ErrorText(uint32_t code) override;

    class Connection;  // the synchronous client of the server

private:
    std::unique_ptr<Connection> connection_;
};
