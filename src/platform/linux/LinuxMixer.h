#pragma once
// The program's mixer on Linux: the ALSA devices ("default", then the cards) first and the
// sound server's outputs after them, so the ALSA devices number the same whether or not a
// server runs and a saved sound card keeps naming the same device.

#include "platform/CombinedMixer.h"
#include "platform/EndpointMixer.h"
#include "platform/linux/AlsaMixer.h"
#include "platform/linux/PulseOutputs.h"

class LinuxMixer final : public CombinedMixer {
public:
    LinuxMixer() : CombinedMixer(Parts()) {}

private:
    static std::vector<std::unique_ptr<Mixer>> Parts() {
        std::vector<std::unique_ptr<Mixer>> parts;
        parts.push_back(std::make_unique<AlsaMixer>());
        parts.push_back(std::make_unique<EndpointMixer>(std::make_unique<PulseOutputs>()));
        return parts;
    }
};
