#include "audio/StatusCues.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {
constexpr int kSampleRate = 22050;
constexpr double kNoteSeconds = 0.075;
constexpr double kFadeSeconds = 0.005;
constexpr double kLowHz = 587.33;      // D5
constexpr double kHighHz = 880.0;      // A5
constexpr double kPeak = 0.4 * 32767;  // loud enough to notice, never harsh
}  // namespace

CueSound CueTone(StatusCue cue) {
    const bool rising = cue == StatusCue::SignalOk;
    const int note = static_cast<int>(kSampleRate * kNoteSeconds);
    const double fade = kSampleRate * kFadeSeconds;
    CueSound sound{kSampleRate, {}};
    sound.Samples.reserve(2 * static_cast<std::size_t>(note));
    for (const double hz : {rising ? kLowHz : kHighHz, rising ? kHighHz : kLowHz}) {
        for (int n = 0; n < note; ++n) {
            const double envelope = std::min({1.0, n / fade, (note - 1 - n) / fade});
            const double phase = 2.0 * std::numbers::pi * hz * n / kSampleRate;
            sound.Samples.push_back(
                static_cast<std::int16_t>(std::lround(kPeak * envelope * std::sin(phase))));
        }
    }
    return sound;
}

void StatusCues::StatusChanged(std::string_view word, bool audible) {
    std::optional<StatusCue> cue;
    if (word == "SPLATTER!" && !splattering_)
        cue = StatusCue::Splatter;
    else if (word == "SIGNAL OK" && splattering_)
        cue = StatusCue::SignalOk;
    if (!cue) return;
    splattering_ = *cue == StatusCue::Splatter;
    if (audible && player_) player_->Play(CueTone(*cue));
}
