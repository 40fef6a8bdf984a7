#pragma once
// The program's mixer on Windows: the playback endpoints through Core Audio, so the level
// control moves the output that feeds the radio; the winmm mixer only where Core Audio
// cannot be reached or lists no active playback endpoint at start.

#include "platform/CombinedMixer.h"
#include "platform/EndpointMixer.h"
#include "platform/win32/Win32AudioEndpoints.h"
#include "platform/win32/Win32Mixer.h"

class Win32NativeMixer final : public CombinedMixer {
public:
    Win32NativeMixer() : CombinedMixer(Parts()) {}

private:
    static std::vector<std::unique_ptr<Mixer>> Parts() {
        std::vector<std::unique_ptr<Mixer>> parts;
        auto endpoints = std::make_unique<Win32AudioEndpoints>();
        if (endpoints->Reachable() && !endpoints->Active().empty())
            parts.push_back(std::make_unique<EndpointMixer>(std::move(endpoints)));
        else
            parts.push_back(std::make_unique<Win32Mixer>());
        return parts;
    }
};
