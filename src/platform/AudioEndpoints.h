#pragma once
// The playback outputs a level control can move, each known by an ID that stays the same
// while it is plugged in elsewhere or other outputs come and go: on Windows the Core Audio
// render endpoints (the endpoint ID string), on Linux the sound server's sinks (the sink's
// name). Volumes are on the mixer's 0..65535 scale; results are mmsyserr codes, so the
// Mixer over them reports as every other mixer does.

#include <cstdint>
#include <string>
#include <vector>

struct AudioEndpoint {
    std::string Id;
    std::string Name;  // the friendly name the system's sound settings show
};

class AudioEndpoints {
public:
    virtual ~AudioEndpoints() = default;
    // The active playback outputs in a stable order; empty when there are none or the
    // system cannot be asked.
    virtual std::vector<AudioEndpoint> Active() = 0;
    // kNoDriver when the output with this ID is gone.
    virtual uint32_t GetVolume(const std::string& id, uint32_t& value) = 0;
    virtual uint32_t SetVolume(const std::string& id, uint32_t value) = 0;
    // The system's text for a result code; empty when it has none.
    virtual std::string ErrorText(uint32_t code) = 0;
};
