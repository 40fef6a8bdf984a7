// The sound server's outputs as mixer devices, on a private PulseAudio with two null sinks:
// the desktop's speakers (its default output) and the radio's USB codec.

#include <gtest/gtest.h>

#include <QComboBox>
#include <chrono>
#include <thread>

#include "audio/usound.h"
#include "fakes/RecordingPresenter.h"
#include "platform/linux/LinuxMixer.h"
#include "support/SoundServer.h"
#include "support/app/MainWindowHarness.h"

namespace {

const char kRadioName[] = "USB Audio CODEC (radio)";

SoundServer TwoOutputs() {
    return SoundServer({"speakers=Desk speakers", std::string("radio=") + kRadioName});
}

// The radio is picked in Set Sound Card by the name the desktop shows it by, and the
// emulated transmitter, which follows the radio's sink, splatters at 95 %. The level control
// brings it down to a clean signal; the speakers, and with them ALSA's "default", keep
// their volume to the percent, and the saved sound card names the radio's output.
TEST(SoundServerOutputTest, TheLevelControlMovesTheChosenOutputAlone) {
    SoundServer server = TwoOutputs();
    server.SetVolume("speakers", 60);
    server.SetVolume("radio", 95);
    LinuxMixer mixer;
    MainWindowHarness::Options options;
    options.realMixer = &mixer;
    options.meter.followSink = "radio";
    options.settings = "[MISC]\r\nALC=1\r\n";
    MainWindowHarness h(options);
    ASSERT_TRUE(h.Start());
    QComboBox* list = h.Dialogs().SoundCardForm->ComboBox1;
    ASSERT_TRUE(h.Operate(h.Command("SetSoundCard"), *h.Dialogs().SoundCardForm,
                          [&] { list->activated(list->findText(kRadioName)); }));
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SPLATTER!");
    for (int cycles = 0; cycles < 100 && h.Splatter() != "SIGNAL OK"; ++cycles) {
        // The emulator reads the sink every 50 ms.
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        h.Cycle();
    }
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    EXPECT_LT(server.Volume("radio").value_or(100), 95);
    EXPECT_EQ(server.Volume("speakers"), 60);
    h.Shutdown();
    // ALSA's devices keep their numbers; the outputs follow by name, "radio" first.
    EXPECT_EQ(h.Saved("MISC", "Sound Card"), std::to_string(AlsaMixer().GetNumDevs()));
    MixerCaps caps;
    EXPECT_EQ(mixer.GetDevCaps(std::stoul(h.Saved("MISC", "Sound Card")), caps),
              mmsyserr::kNoError);
    EXPECT_EQ(caps.ProductName, kRadioName);
}

// Each percent the program writes is the percent the desktop shows, and reads back. A
// server that stops answering is given up on instead of holding the program, and its
// outputs are left out for a while, without a message.
TEST(SoundServerOutputTest, OutputVolumesInPercentAndAServerThatHangs) {
    SoundServer server = TwoOutputs();
    PulseMixer sinks;
    ASSERT_EQ(sinks.GetNumDevs(), 2u);
    RecordingPresenter presenter;
    TspVolumeControl radio(sinks, presenter, 0, 0);  // "radio" sorts first
    for (int percent = 0; percent <= 100; ++percent) {
        radio.SetMasterVolume(percent);
        EXPECT_EQ(server.Volume("radio"), percent);
        EXPECT_EQ(radio.GetMasterVolume(), percent);
    }

    server.Freeze(true);
    EXPECT_EQ(radio.GetMasterVolume(), 0);
    EXPECT_EQ(sinks.GetNumDevs(), 0u);
    server.Freeze(false);
    EXPECT_TRUE(presenter.shown.empty());
}

}  // namespace
