#pragma once
// The cues through PlaySound, from a WAVE image in memory, asynchronously: with no device
// named, the multimedia calls play on the device the user prefers in the Sound settings,
// not on the output the program steers for the radio.

#include <string>

#include "platform/CuePlayer.h"

// The sound as the bytes of a WAVE file: RIFF, PCM, 16-bit mono, little-endian.
std::string WaveImage(const CueSound& sound);

class Win32CuePlayer final : public CuePlayer {
public:
    Win32CuePlayer() = default;
    // Stops a cue still sounding before its image goes.
    ~Win32CuePlayer() override;
    Win32CuePlayer(const Win32CuePlayer&) = delete;
    Win32CuePlayer& operator=(const Win32CuePlayer&) = delete;

    void Play(const CueSound& sound) override;

private:
    std::string image_;  // read by PlaySound until the sound ends or is stopped
};
