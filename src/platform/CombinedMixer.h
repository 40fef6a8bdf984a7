#pragma once
// Several mixers shown as one: the devices of the first part, then those of the next, and
// so on, each call passed to the part that holds the device or the handle. Plain C++ over
// the Mixer interface, so a later part never renumbers an earlier part's devices.

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Mixer.h"

class CombinedMixer : public Mixer {
public:
    explicit CombinedMixer(std::vector<std::unique_ptr<Mixer>> parts);

    uint32_t GetNumDevs() override;
    uint32_t GetDevCaps(uint32_t device, MixerCaps& caps) override;
    uint32_t Open(uint32_t device, uintptr_t callbackWindow, HMixer& handle) override;
    uint32_t Close(HMixer handle) override;
    uint32_t GetLineInfo(uint32_t device, MixerLine& line, LineQuery query) override;
    uint32_t GetLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                             std::vector<MixerControl>& controls) override;
    uint32_t GetControlValue(HMixer handle, uint32_t controlId, uint32_t& value) override;
    uint32_t SetControlValue(HMixer handle, uint32_t controlId, uint32_t value) override;
    // The first part's text that is not empty.
    std::string ErrorText(uint32_t code) override;

private:
    // A device or a handle as the part that holds it knows it.
    struct Place {
        Mixer* part;
        uint32_t device;
        HMixer handle;
    };
    // The part holding `device`; nothing when there are no parts. The last part takes every
    // number past the others' devices and refuses those it does not have itself, so it
    // is never asked for its count just to pass a call on.
    std::optional<Place> PlaceOfDevice(uint32_t device);
    std::optional<Place> PlaceOfHandle(HMixer handle) const;

    std::vector<std::unique_ptr<Mixer>> parts_;
    // The handles this object gave out, each with its part's own handle: two parts may
    // give out the same value.
    std::map<HMixer, Place> opened_;
    HMixer nextHandle_ = 1;
};
