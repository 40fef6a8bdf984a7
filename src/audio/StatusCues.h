#pragma once
// The status cues: a short falling chirp when the signal starts to splatter and a rising
// one when it is back to "SIGNAL OK" after splatter, each once per change and never per
// cycle. Words in between ("NO SIGNAL" in a pause, "DATA", "OVER POWER") change nothing:
// splatter that goes on after a pause is the same splatter, and the clean signal after it
// is still the way back.

#include <string_view>

#include "platform/CuePlayer.h"

enum class StatusCue { Splatter, SignalOk };

// The cue's sound: 150 ms of two notes a fifth apart, falling for splatter and rising for
// back to OK, each note faded in and out so that neither clicks.
CueSound CueTone(StatusCue cue);

class StatusCues {
public:
    // Without a player the changes are followed but nothing sounds.
    explicit StatusCues(CuePlayer* player) : player_(player) {}

    // A new status word, given only when it differs from the last; `audible` is the
    // operator's "Sound Cues" switch. Changes are followed while it is off, so that
    // switching it on in the middle of splatter gives the way back its cue.
    void StatusChanged(std::string_view word, bool audible);

private:
    CuePlayer* player_;
    bool splattering_ = false;
};
