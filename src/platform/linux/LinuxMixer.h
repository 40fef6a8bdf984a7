#pragma once
// The program's mixer on Linux: the ALSA devices ("default", then the cards) keep the
// numbers they always had, and the sound server's outputs follow, so a saved sound card
// still names the same device where a server runs.

#include "platform/CombinedMixer.h"
#include "platform/linux/AlsaMixer.h"
#include "platform/linux/PulseMixer.h"

class LinuxMixer final : public CombinedMixer {
public:
    LinuxMixer() : CombinedMixer(Parts()) {}

private:
    static std::vector<std::unique_ptr<Mixer>> Parts() {
        std::vector<std::unique_ptr<Mixer>> parts;
        parts.push_back(std::make_unique<AlsaMixer>());
        parts.push_back(std::make_unique<PulseMixer>());
        return parts;
    }
};
