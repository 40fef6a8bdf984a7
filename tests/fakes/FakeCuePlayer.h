#pragma once
// A cue player that keeps every sound it was asked to play.

#include <vector>

#include "platform/CuePlayer.h"

struct FakeCuePlayer final : CuePlayer {
    void Play(const CueSound& sound) override { played.push_back(sound); }
    std::vector<CueSound> played;
};
