#include "audio/MixerInventory.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/MixerRig.h"

namespace {

// A card as Windows shows a common one: playback first, then recording.
FakeDevice TypicalCard() {
    return {"SoundMAX Digital Audio",
            {{FakeLineOf("Volume Control", {FakeVolume(40000), FakeMute()}),
              {FakeLineOf("SW Synth", {FakeVolume(1000)}),
               FakeLineOf("Wave", {FakeVolume(20000), FakeMute()}),
               FakeLineOf("CD Audio", {FakeVolume()})}},
             {FakeLineOf("Recording Control", {FakeVolume()}),
              {FakeLineOf("Microphone", {FakeVolume()}), FakeLineOf("Line In", {FakeVolume()})}}}};
}
const std::string kOutOfRange = SoundCardError("Specified device identifier is out of range.");

TEST(MixerInventory, TakesTheInventoryOfEveryLineInDestinationOrderAndClosesTheMixer) {
    FakeMixer mixer({TypicalCard()});
    RecordingPresenter presenter;
    {
        MixerInventory volume(mixer, presenter, kWindow, 0);
        EXPECT_EQ(mixer.LastCallbackWindow, kWindow);
        // Name, destination, output.
        // clang-format off
        const std::tuple<std::string, bool, bool> expected[] = {
            {"Volume Control", true, true}, {"SW Synth", false, true}, {"Wave", false, true},
            {"CD Audio", false, true}, {"Recording Control", true, false},
            {"Microphone", false, false}, {"Line In", false, false}};
        // clang-format on
        ASSERT_EQ(volume.Devices().Count(), 7);
        for (int i = 0; i < 7; ++i) {
            const SoundLine& l = volume.Devices()[i];
            EXPECT_EQ(std::tuple(l.Name, l.IsDestination, l.IsOutput), expected[i]);
        }
        EXPECT_EQ(volume.GetWaveVolume(), 31);  // 20000 of 65535, rounded
    }
    EXPECT_EQ(mixer.ClosedHandles.size(), 1u);
    EXPECT_TRUE(mixer.OpenHandles.empty());
}

// Master is the first output destination; Wave the first output source named so, in any
// case; without one the Wave volume is Master's.
TEST(MixerInventory, WhichLinesTheMasterAndWaveVolumesMove) {
    const FakeDestination recording{FakeLineOf("Recording Control", {FakeVolume()}),
                                    {FakeLineOf("Wave", {FakeVolume()})}};
    for (const auto& [name, isWave] :
         {std::pair{"SW Synth", false}, {"Wave/MP3", true}, {"WAVE", true}, {"Wav", false}}) {
        SCOPED_TRACE(name);
        FakeDevice card = PlaybackCard({FakeVolume()}, {FakeLineOf(name, {FakeVolume()})});
        card.Destinations.insert(card.Destinations.begin(), recording);
        card.Destinations.push_back({FakeLineOf("Line Out", {FakeVolume()}), {}});
        Rig rig({card});
        rig.volume.SetMasterVolume(100);
        rig.volume.SetWaveVolume(50);
        EXPECT_EQ(rig.volume.FindWaveLine(), isWave ? 3 : -1);
        EXPECT_EQ(std::tuple(rig.mixer.Value(0, 1), rig.mixer.Value(0, 1, 0),
                             rig.mixer.Value(0, 0, 0), rig.mixer.Value(0, 2)),
                  std::tuple(isWave ? 65535u : 32767u, isWave ? 32767u : 0u, 0u, 0u));
    }
}

TEST(MixerInventory, LinesWithoutOneVolumeControlReadZeroAndIgnoreWrites) {
    FakeDevice card = PlaybackCard({FakeMute(1)}, {FakeLineOf("Wave", {FakeMute(0)})});
    // A later output destination with a volume is never taken for Master.
    card.Destinations.push_back({FakeLineOf("Line Out", {FakeVolume(65535)}), {}});
    Rig rig({card});
    EXPECT_EQ(rig.volume.GetMasterVolume() + rig.volume.GetWaveVolume(), 0);
    rig.volume.SetMasterVolume(70);
    rig.volume.SetWaveVolume(70);
    EXPECT_EQ(rig.mixer.ValueWrites, 0);

    // Of several volume controls on a line the first counts; without a Wave line the Wave
    // volume is Master's.
    Rig several({PlaybackCard({FakeMute(), FakeVolume(52428), FakeVolume(65535)})});
    EXPECT_EQ(several.volume.GetWaveVolume(), 80);
    several.volume.SetWaveVolume(25);
    EXPECT_EQ(several.mixer.Value(0, 0), 16383u);
}

TEST(MixerInventory, AMissingDeviceShowsTheErrorsAndTouchesNoValue) {
    Rig rig({TypicalCard()}, 1);  // one past the last
    rig.volume.SetMasterVolume(50);
    EXPECT_EQ(std::tuple(rig.volume.Devices().Count(), rig.volume.MixerHandle(),
                         rig.volume.GetMasterVolume(), rig.volume.GetMixerCount()),
              std::tuple(0, kMixerClosed, 0, 1));
    const ShownMessage& shown = rig.presenter.shown.at(0);
    EXPECT_EQ(std::tuple(shown.caption, shown.kind),
              std::tuple("Sound Card error", MessageKind::Error));
    // Naming the missing device fails too.
    EXPECT_EQ(rig.volume.GetDeviceName(1), "");
    EXPECT_EQ(rig.presenter.Messages(), std::vector(3, kOutOfRange));
    EXPECT_EQ(rig.volume.GetDeviceName(0), "SoundMAX Digital Audio");
}

// A failed open still takes the inventory; each control query then names a closed mixer,
// and no value moves. The open's own error has a text of ours for the common codes, the
// system's for the rest, and no dialog without one.
TEST(MixerInventory, AFailedOpenNamesTheProblemOrStaysSilentWithoutText) {
    const std::pair<uint32_t, const char*> codes[] = {
        {1, "system 1"},
        {99, nullptr},
        {32, "Attempted to open with an unsupported waveform-audio format."}};
    for (const auto& [code, text] : codes) {
        SCOPED_TRACE(code);
        FakeDevice card = TypicalCard();
        card.OpenError = code;
        Rig rig({card});
        EXPECT_EQ(rig.volume.Devices().Count(), 7);
        const std::vector<std::string> messages = rig.presenter.Messages();
        ASSERT_EQ(messages.size(), (text ? 1u : 0u) + 7u);
        EXPECT_EQ(messages[0], SoundCardError(text ? text : "The device handle is invalid."));
        EXPECT_EQ(messages.back(), SoundCardError("The device handle is invalid."));
        rig.volume.SetMasterVolume(50);
        EXPECT_EQ(rig.mixer.Value(0, 0), 40000u);
    }
}

// A line the driver will not describe is left out, with the error's text where there is
// one, and the rest of the card still works.
TEST(MixerInventory, FailedLineQueriesLeaveOutThatLine) {
    FakeDevice card = TypicalCard();
    card.Destinations[0].Line.QueryError = mmsyserr::kNotSupported;  // its sources go too
    card.Destinations[1].Sources[0].QueryError = 99;  // a code without text: no dialog
    card.Destinations.push_back(
        {FakeLineOf("Line Out", {FakeVolume(65535)}), {FakeLineOf("Wave", {FakeVolume(32768)})}});
    Rig rig({card});
    EXPECT_EQ(rig.presenter.Messages(), std::vector{SoundCardError("Function isn't supported.")});
    std::vector<std::string> names;
    for (int i = 0; i < rig.volume.Devices().Count(); ++i)
        names.push_back(rig.volume.Devices()[i].Name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"Recording Control", "Line In", "Line Out", "Wave"}));
    EXPECT_EQ(rig.volume.GetMasterVolume(), 100);
    EXPECT_EQ(rig.volume.GetWaveVolume(), 50);
}

}  // namespace
