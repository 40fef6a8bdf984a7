#pragma once
// The Mixer interface straight onto the Windows multimedia mixer (winmm).

#include "platform/Mixer.h"

class Win32Mixer final : public Mixer {
public:
    uint32_t GetNumDevs() override;
    uint32_t GetDevCaps(uint32_t device, MixerCaps& caps) override;
    // Change notifications go to `callbackWindow` (the window-callback flag).
    uint32_t Open(uint32_t device, uintptr_t callbackWindow, HMixer& handle) override;
    uint32_t Close(HMixer handle) override;
    uint32_t GetLineInfo(uint32_t device, MixerLine& line, LineQuery query) override;
    uint32_t GetLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                             std::vector<MixerControl>& controls) override;
    uint32_t GetControlValue(HMixer handle, uint32_t controlId, uint32_t& value) override;
    uint32_t SetControlValue(HMixer handle, uint32_t controlId, uint32_t value) override;
    // waveInGetErrorTextA's text.
    std::string ErrorText(uint32_t code) override;
};
