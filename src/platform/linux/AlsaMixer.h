#pragma once
// The Mixer interface over ALSA's simple mixer API.
//
// Device 0 is ALSA's "default" control Device (PulseAudio or PipeWire where they run),
// devices 1.. are the hardware cards in card order. Each device shows two destinations:
//   0 "Volume Control" (Speakers): its own volume is the "Master" element, or the first
//     playback element with a volume; the other playback elements with a volume are its
//     sources, "PCM" shown as "Wave".
//   1 "Recording Control" (Wave Input): the capture elements with a volume as sources.
// A line with a volume has control 0x50030001 (0..65535 mapped linearly onto the
// element's range, writes set every channel) and, when the element has a switch, a
// mute control 0x20010002. Line and control ids follow from the positions, so they
// stay the same from one open to the next.

#include <map>
#include <memory>

#include "platform/Mixer.h"

class AlsaMixer final : public Mixer {
public:
    AlsaMixer();
    ~AlsaMixer() override;
    AlsaMixer(const AlsaMixer&) = delete;
    AlsaMixer& operator=(const AlsaMixer&) = delete;

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

    class Session;  // one opened ALSA mixer with its line layout

private:
    // Opens `device` into `session`; a result code.
    uint32_t OpenSession(uint32_t device, std::unique_ptr<Session>& session);
    Session* OpenedSession(HMixer handle);

    std::map<HMixer, std::unique_ptr<Session>> sessions_;
    HMixer nextHandle_ = 1;
};
