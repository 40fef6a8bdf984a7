#pragma once
// The playback endpoints through Core Audio: IMMDeviceEnumerator::EnumAudioEndpoints
// (eRender, DEVICE_STATE_ACTIVE) for the list, PKEY_Device_FriendlyName for the names, and
// each endpoint's IAudioEndpointVolume for its volume, which is the volume of everything
// that plays through it (the winmm mixer since Vista moves the calling program's own audio
// session only).
//
// The volume is set as a scalar (0.0..1.0, the curve of the system's volume slider). Where
// the scalar calls answer E_NOTIMPL (as Wine's do) it is set in dB, the scalar
// taken as an amplitude below the endpoint's top: 20 log10 of it, down to the bottom of the
// endpoint's range. An endpoint's volume object is kept while it answers, so a system that
// keeps the dB value in that object reads back what was set.
//
// COM is initialised on the constructing thread (apartment-threaded; a thread already in the
// multithreaded apartment is used as it is), and every call must come from that thread.

#include <memory>

#include "platform/AudioEndpoints.h"

class Win32AudioEndpoints final : public AudioEndpoints {
public:
    Win32AudioEndpoints();
    ~Win32AudioEndpoints() override;
    Win32AudioEndpoints(const Win32AudioEndpoints&) = delete;
    Win32AudioEndpoints& operator=(const Win32AudioEndpoints&) = delete;

    // False where Core Audio cannot be reached: no device enumerator could be created.
    bool Reachable() const;

    std::vector<AudioEndpoint> Active() override;
    uint32_t GetVolume(const std::string& id, uint32_t& value) override;
    uint32_t SetVolume(const std::string& id, uint32_t value) override;
    std::string ErrorText(uint32_t code) override;

    struct State;  // COM objects, kept out of this header

private:
    std::unique_ptr<State> state_;
};
