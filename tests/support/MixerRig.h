#pragma once
// A volume control over a table-driven fake mixer, and the one-destination card most
// tests need.

#include <utility>
#include <vector>

#include "audio/MixerInventory.h"
#include "fakes/FakeMixer.h"
#include "fakes/RecordingPresenter.h"

inline constexpr uintptr_t kWindow = 0xC0DE;

// A card whose only destination is "Volume Control" with these controls and sources.
inline FakeDevice PlaybackCard(std::vector<FakeControl> controls,
                               std::vector<FakeLine> sources = {}) {
    FakeDevice card;
    card.Destinations = {{FakeLineOf("Volume Control", std::move(controls)), std::move(sources)}};
    return card;
}

struct Rig {
    explicit Rig(std::vector<FakeDevice> devices, int deviceIndex = 0)
        : mixer(std::move(devices)), volume(mixer, presenter, kWindow, deviceIndex) {}
    FakeMixer mixer;
    RecordingPresenter presenter;
    MixerInventory volume;
};
