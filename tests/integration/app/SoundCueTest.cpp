// The status cues over a private PulseAudio whose default output is the desk's speakers; the
// radio's codec is the chosen output and the client's own default (PULSE_SINK), so a cue
// that merely went to "the default" would be heard on the air.

#include <QTest>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/EndpointMixer.h"
#include "platform/linux/PulseCuePlayer.h"
#include "platform/linux/PulseOutputs.h"
#include "support/ScopedEnv.h"
#include "support/SoundServer.h"
#include "support/app/MainWindowHarness.h"

namespace {

// Waits about 300 ms, noting each playback stream on the server by its ID with its sink's
// number (the speakers, loaded first, are sink 0).
void Watch(const SoundServer& server, std::map<int, int>& streams) {
    for (int look = 0; look < 15; ++look, QTest::qWait(20)) {
        std::istringstream rows(server.Pactl("list short sink-inputs"));
        for (int id, sink; rows >> id >> sink; rows.ignore(1000, '\n')) streams[id] = sink;
    }
}

// Off by default, nothing sounds; switched on from the menu, the change into splatter and
// the one back sound once each on the speakers, never on the radio's output. It is saved.
TEST(SoundCueTest, IntoSplatterAndBackSoundOnTheDefaultOutputOnly) {
    SoundServer server({"speakers=Desk speakers", "radio=USB Audio CODEC (radio)"});
    const ScopedEnv clientDefault("PULSE_SINK", "radio");
    EndpointMixer sinks(std::make_unique<PulseOutputs>());
    PulseCuePlayer cues;
    MainWindowHarness h(
        {.settings = "[MISC]\nSound Output=radio\n", .realMixer = &sinks, .cues = &cues});
    ASSERT_TRUE(h.Start());
    for (const bool on : {false, true}) {
        if (on) h.Command("soundCues")->trigger();
        std::map<int, int> streams;
        for (const char* scenario : {"splatter", "splatter", "clean", "clean"}) {
            h.Meter().SetScenario(scenario);
            h.Cycle();
            Watch(server, streams);
        }
        EXPECT_EQ(streams.size(), on ? 2u : 0u);
        for (const auto& [id, sink] : streams) EXPECT_EQ(sink, 0) << id;
    }
    h.Shutdown();
    EXPECT_EQ(h.Saved("MISC", "Sound Cues"), "1");
}

}  // namespace
