#pragma once
// Playback outputs from a list the test owns: it reorders, adds and removes them between
// calls, as plugging devices in and out does; each output keeps its own volume.

#include <algorithm>
#include <vector>

#include "platform/AudioEndpoints.h"
#include "platform/Mixer.h"

struct FakeEndpoint {
    AudioEndpoint Listed;
    uint32_t Volume = 0;
};

class FakeAudioEndpoints final : public AudioEndpoints {
public:
    explicit FakeAudioEndpoints(std::vector<FakeEndpoint>& outputs) : outputs_(outputs) {}

    std::vector<AudioEndpoint> Active() override {
        std::vector<AudioEndpoint> listed;
        for (const FakeEndpoint& output : outputs_) listed.push_back(output.Listed);
        return listed;
    }
    uint32_t GetVolume(const std::string& id, uint32_t& value) override {
        return Use(id, [&value](uint32_t& volume) { value = volume; });
    }
    uint32_t SetVolume(const std::string& id, uint32_t value) override {
        return Use(id, [value](uint32_t& volume) { volume = value; });
    }
    std::string ErrorText(uint32_t) override { return {}; }

private:
    template <typename Action>
    uint32_t Use(const std::string& id, Action action) {
        const auto it = std::find_if(outputs_.begin(), outputs_.end(),
                                     [&id](const FakeEndpoint& o) { return o.Listed.Id == id; });
        if (it == outputs_.end()) return mmsyserr::kNoDriver;
        action(it->Volume);
        return mmsyserr::kNoError;
    }

    std::vector<FakeEndpoint>& outputs_;
};
