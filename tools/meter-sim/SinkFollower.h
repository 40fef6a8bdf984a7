#pragma once
// The emulator's transmitter fed by a sound server's sink: the sink's volume sets the audio
// drive, and the arch follows it the way a real transmitter's envelope follows its audio.
//   drive below 35 %    the flanks sag (the gain falls at low drive)     UNDERDRIVING
//   35 % to the knee    a clean arch that grows with the drive           SIGNAL OK
//   above the knee      the tops flatten at the final stage's ceiling    SPLATTER!
// (the program's analysis at its default settings), so the level control has a real
// loop to close. The knee, 75 % unless told otherwise, stands for the audio gain: the tops
// reach the ceiling at about five sixths of it, and are flat enough to read as splatter a
// point or two above it. Below 35 % the sag and the flat tops run into each other, and with
// a knee below about 30 % no drive reads clean.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

inline constexpr int kDefaultKneePercent = 75;

// The 64-sample reply of a transmitter driven at `volumePercent` of full audio, whose tops
// start to splatter above `kneePercent` of drive.
std::string TransmitterFrame(int volumePercent, int kneePercent = kDefaultKneePercent);

// The first channel's volume in what `pactl get-sink-volume` prints
// ("Volume: front-left: 32768 /  50% / -18.06 dB, ..."); nothing when there is none.
std::optional<int> SinkVolumeFromPactl(std::string_view text);

// Reads the sink's volume with pactl now and then on a thread of its own, so a reply never
// waits for the sound server. The server is the one PULSE_SERVER names, as for any client.
class SinkFollower {
public:
    SinkFollower(std::string sink, std::chrono::milliseconds interval);
    ~SinkFollower();
    SinkFollower(const SinkFollower&) = delete;
    SinkFollower& operator=(const SinkFollower&) = delete;

    // The last volume read; nothing while the sink cannot be read (no audio reaches the
    // transmitter then).
    std::optional<int> Volume() const;

private:
    void Read();
    void Run();

    std::string sink_;
    std::chrono::milliseconds interval_;
    std::atomic<int> volume_{-1};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};
