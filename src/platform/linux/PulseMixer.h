#pragma once
// The Mixer interface over the sound server's outputs (PulseAudio, or PipeWire through its
// PulseAudio service), one device per sink, so the level control can move the output that
// feeds the radio and leave the desktop's speakers alone.
//
// Devices are the sinks in order of their names, so a set of outputs numbers the same
// whatever order they were plugged in; the product name is the description the desktop's
// volume control shows. Each device has one destination, "Volume Control" (Speakers),
// without source lines, whose only control is the sink's volume (0x50030001, 0..65535 onto
// 0..100 %, the loudest channel read, every channel written). The sink is found by its name
// at each use, so an output unplugged while open fails its calls instead of moving another.
//
// The server is asked synchronously with a time-out; a server that does not answer in time
// is dropped, and for a few seconds after a failure no new connection is tried, so a dead
// or hung server costs the caller at most one time-out now and then. Without a server
// there are no devices.

#include <chrono>
#include <map>
#include <memory>

#include "platform/Mixer.h"

class PulseMixer final : public Mixer {
public:
    explicit PulseMixer(std::chrono::milliseconds timeout = std::chrono::milliseconds(500));
    ~PulseMixer() override;
    PulseMixer(const PulseMixer&) = delete;
    PulseMixer& operator=(const PulseMixer&) = delete;

    uint32_t GetNumDevs() override;
    uint32_t GetDevCaps(uint32_t device, MixerCaps& caps) override;
    uint32_t Open(uint32_t device, uintptr_t callbackWindow, HMixer& handle) override;
    uint32_t Close(HMixer handle) override;
    uint32_t GetLineInfo(uint32_t device, MixerLine& line, LineQuery query) override;
    uint32_t GetLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                             std::vector<MixerControl>& controls) override;
    uint32_t GetControlValue(HMixer handle, uint32_t controlId, uint32_t& value) override;
    uint32_t SetControlValue(HMixer handle, uint32_t controlId, uint32_t value) override;
    std::string ErrorText(uint32_t code) override;

    class Connection;  // the synchronous client of the server

private:
    // The sink's name behind an open handle; nullptr for an unknown handle.
    const std::string* SinkOf(HMixer handle) const;

    std::unique_ptr<Connection> connection_;
    std::map<HMixer, std::string> sessions_;
    HMixer nextHandle_ = 1;
};
