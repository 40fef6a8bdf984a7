#pragma once
// Playback outputs from a list the test owns: it reorders, adds and removes them between
// calls, as plugging devices in and out does; each output keeps its own volume.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/AudioEndpoints.h"
#include "platform/Mixer.h"

struct FakeEndpoint {
    std::string Id;
    std::string Name;
    uint32_t Volume = 0;
};

class FakeAudioEndpoints final : public AudioEndpoints {
public:
    explicit FakeAudioEndpoints(std::vector<FakeEndpoint>& outputs) : outputs_(outputs) {}

    std::vector<AudioEndpoint> Active() override {
        std::vector<AudioEndpoint> listed;
        for (const FakeEndpoint& output : outputs_) listed.push_back({output.Id, output.Name});
        return listed;
    }
    uint32_t GetVolume(const std::string& id, uint32_t& value) override {
        FakeEndpoint* output = Find(id);
        if (!output) return mmsyserr::kNoDriver;
        value = output->Volume;
        return mmsyserr::kNoError;
    }
    uint32_t SetVolume(const std::string& id, uint32_t value) override {
        FakeEndpoint* output = Find(id);
        if (!output) return mmsyserr::kNoDriver;
        output->Volume = value;
        return mmsyserr::kNoError;
    }
    std::string ErrorText(uint32_t) override { return {}; }

private:
    FakeEndpoint* Find(const std::string& id) {
        const auto it = std::find_if(outputs_.begin(), outputs_.end(),
                                     [&id](const FakeEndpoint& output) { return output.Id == id; });
        return it == outputs_.end() ? nullptr : &*it;
    }

    std::vector<FakeEndpoint>& outputs_;
};
