#pragma once
// The Mixer interface over playback outputs (AudioEndpoints), one device per output in the
// order the system lists them, so the level control moves the output that feeds the radio
// and leaves the others alone.
//
// Each device has one destination, "Volume Control" (Speakers), without source lines, whose
// only control is the output's volume (0x50030001): that volume is the Master and there is
// no Wave line. The product name is the output's friendly name, up to 63 characters; the
// device's ID is the output's own. An open handle names the output by its ID, so an output
// unplugged while open fails its calls instead of moving another.

#include <map>
#include <memory>

#include "platform/AudioEndpoints.h"
#include "platform/Mixer.h"

class EndpointMixer final : public Mixer {
public:
    explicit EndpointMixer(std::unique_ptr<AudioEndpoints> endpoints);

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

private:
    // The output's ID behind an open handle; nullptr for an unknown handle.
    const std::string* EndpointOf(HMixer handle) const;

    std::unique_ptr<AudioEndpoints> endpoints_;
    std::map<HMixer, std::string> sessions_;
    HMixer nextHandle_ = 1;
};
