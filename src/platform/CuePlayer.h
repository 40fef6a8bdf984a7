#pragma once
// A short sound for the operator, played on the desktop's default output: never on the
// output the program steers for the radio, since the radio would send it on the air.

#include <cstdint>
#include <vector>

// 16-bit mono samples at SampleRate per second.
struct CueSound {
    int SampleRate = 0;
    std::vector<std::int16_t> Samples;
};

class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    // Starts the sound and returns at once; a cue still sounding gives way to it. A cue
    // that cannot sound (no sound server, no output) is left out without a word.
    virtual void Play(const CueSound& sound) = 0;
};
