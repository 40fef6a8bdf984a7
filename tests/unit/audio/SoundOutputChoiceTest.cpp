#include "audio/SoundOutputChoice.h"

#include <gtest/gtest.h>

#include <tuple>

#include "audio/LevelControl.h"
#include "audio/MixerInventory.h"
#include "fakes/FakeAudioEndpoints.h"
#include "fakes/RecordingPresenter.h"
#include "platform/EndpointMixer.h"

namespace {

const std::vector<FakeEndpoint> kDesk = {{{"{speakers}", "Speakers"}, PercentToRaw(50)},
                                         {{"{radio}", "USB Audio CODEC"}, PercentToRaw(80)},
                                         {{"{headset}", "Headset"}, PercentToRaw(30)}};

// The saved ID picks its output wherever the list now has it; an absent key maps the old
// number to an ID once; an empty one keeps the number; a missing output opens nothing.
TEST(ChooseSoundOutput, FollowsTheSavedIdAndMapsTheOldNumberOnce) {
    // The saved ID and number, the device chosen, the ID saved then, whether a note is shown.
    using Id = std::optional<std::string>;
    const std::tuple<Id, int, int, Id, bool> cases[] = {
        {"{radio}", 0, 0, "{radio}", false},        // listed first now
        {std::nullopt, 2, 2, "{speakers}", false},  // mapped from the number
        {"", 1, 1, "", false},                      // an output without an ID
        {std::nullopt, 7, 7, "", false},            // a number past the list
        {"{gone}", 1, -1, "{gone}", true}};
    for (const auto& [savedBefore, number, chosen, savedAfter, noted] : cases) {
        std::vector<FakeEndpoint> outputs = {kDesk[1], kDesk[2], kDesk[0]};
        EndpointMixer mixer(std::make_unique<FakeAudioEndpoints>(outputs));
        RecordingPresenter presenter;
        Id saved = savedBefore;
        const int device = ChooseSoundOutput(mixer, saved, number, presenter);
        EXPECT_EQ(std::tuple(device, saved, presenter.shown.size()),
                  std::tuple(chosen, savedAfter, noted ? 1u : 0u))
            << savedBefore.value_or("(absent)");
        if (device >= 0) continue;
        MixerInventory volume(mixer, presenter, 0, device);
        EXPECT_EQ(std::tuple(volume.GetDeviceName(device), presenter.shown.size()),
                  std::tuple("", 1u))
            << "no device, and no second message for it";
    }
}

// Steps move the chosen output alone, whatever is plugged in or out around it; once the
// chosen one is gone, steps move nothing and nothing fails.
TEST(ChooseSoundOutput, StepsLandOnTheChosenOutputOnly) {
    std::vector<FakeEndpoint> outputs = kDesk;
    EndpointMixer mixer(std::make_unique<FakeAudioEndpoints>(outputs));
    RecordingPresenter presenter;
    std::optional<std::string> saved = "{radio}";
    MixerInventory volume(mixer, presenter, 0, ChooseSoundOutput(mixer, saved, 0, presenter));
    outputs.erase(outputs.begin());  // the speakers unplugged: the radio is listed first
    ChangeAudioLevel(volume, true, 10, -20);
    EXPECT_EQ(std::tuple(MixerLevel(volume), RawToPercent(outputs[0].Volume),
                         RawToPercent(outputs[1].Volume)),
              std::tuple(60, 60, 30));
    outputs.erase(outputs.begin());
    ChangeAudioLevel(volume, true, 10, -20);
    EXPECT_EQ(std::tuple(MixerLevel(volume), RawToPercent(outputs[0].Volume)), std::tuple(0, 30));
    EXPECT_TRUE(presenter.shown.empty());
}

}  // namespace
