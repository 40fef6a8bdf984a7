// The status cues over a private PulseAudio: the desk's speakers are its default output, the
// radio's codec the output the level control moves, and this client's own default
// (PULSE_SINK) names the radio's codec too, so a cue that merely went to "the default" would
// be heard on the air.

#include <QTest>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/EndpointMixer.h"
#include "platform/linux/PulseCuePlayer.h"
#include "platform/linux/PulseOutputs.h"
#include "support/Process.h"
#include "support/ScopedEnv.h"
#include "support/SoundServer.h"
#include "support/app/MainWindowHarness.h"

namespace {

// What reaches a sink while the object lives, recorded from its monitor.
class SinkRecording {
public:
    SinkRecording(const std::string& sink, std::string path) : path_(std::move(path)) {
        pid_ = Spawn({"parec", "-d", sink + ".monitor", "--raw", "--format=s16le", "--rate=8000",
                      "--channels=1", "--latency-msec=20"},
                     [this](posix_spawn_file_actions_t* actions) {
                         posix_spawn_file_actions_addopen(actions, 1, path_.c_str(),
                                                          O_WRONLY | O_CREAT | O_TRUNC, 0600);
                     });
    }
    // The stretches of sound, each followed by at least 50 ms of silence or the end.
    int Sounds() {
        EndChild(std::exchange(pid_, -1));
        std::ifstream file(path_, std::ios::binary);
        int sounds = 0, quiet = 400;
        for (std::int16_t sample; file.read(reinterpret_cast<char*>(&sample), 2);) {
            const bool loud = std::abs(sample) > 300;
            sounds += loud && quiet >= 400;
            quiet = loud ? 0 : quiet + 1;
        }
        return sounds;
    }
    ~SinkRecording() { EndChild(pid_); }

private:
    std::string path_;
    pid_t pid_ = -1;
};

// Off by default, nothing sounds; switched on from the menu, a change into splatter and the
// change back sound once each on the speakers, and nothing ever reaches the radio's output.
// The switch is saved.
TEST(SoundCueTest, IntoSplatterAndBackSoundOnTheDefaultOutputOnly) {
    SoundServer server({"speakers=Desk speakers", "radio=USB Audio CODEC (radio)"});
    const ScopedEnv clientDefault("PULSE_SINK", "radio");
    EndpointMixer sinks(std::make_unique<PulseOutputs>());
    PulseCuePlayer cues;
    MainWindowHarness h(
        {.settings = "[MISC]\nSound Output=radio\n", .realMixer = &sinks, .cues = &cues});
    ASSERT_TRUE(h.Start());
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on);
        if (on) h.Command("soundCues")->trigger();
        SinkRecording speakers("speakers", h.WorkDir() + "/speakers.raw");
        SinkRecording radio("radio", h.WorkDir() + "/radio.raw");
        QTest::qWait(300);
        for (const char* scenario : {"splatter", "splatter", "clean", "clean"}) {
            h.Meter().SetScenario(scenario);
            h.Cycle();
            QTest::qWait(300);
        }
        EXPECT_EQ(speakers.Sounds(), on ? 2 : 0);
        EXPECT_EQ(radio.Sounds(), 0);
    }
    h.Shutdown();
    EXPECT_EQ(h.Saved("MISC", "Sound Cues"), "1");
}

}  // namespace
