#include "measure/HistoryRecord.h"

#include <algorithm>

#include "base/Translation.h"

namespace {
// Whether the cycle got as far as the frame's shape, the quality figures.
bool Shaped(SignalState s) {
    return s != SignalState::NotResponding && s != SignalState::NoSignal && s != SignalState::Noise;
}
bool Rated(SignalState s) {
    return s == SignalState::SignalOk || s == SignalState::Underdriving ||
           s == SignalState::Overmodulated || s == SignalState::Undecided;
}
}  // namespace

HistoryRecord MakeHistoryRecord(const Measurement& m, std::int64_t utcMillis, bool qrpJumpered,
                                int levelPercent) {
    HistoryRecord r;
    const std::int64_t millis = std::max<std::int64_t>(utcMillis, 0);
    r.UtcSeconds = std::uint32_t(millis / 1000);
    r.Millis = std::uint16_t(millis % 1000);
    r.State = std::uint8_t(m.State);
    r.LevelPercent = std::uint8_t(std::clamp(levelPercent, 0, 100));
    if (Shaped(m.State)) {
        r.PeakVolts = float(m.PeakVolts);
        r.Watts = float(PowerFromPeakVolts(m.PeakVolts, qrpJumpered));
    }
    if (Rated(m.State)) {
        r.ImdDb = float(m.ImdDb);
        r.ErrRmsPercent = float(m.ErrRms * 100.0);
    }
    return r;
}

std::string_view StatusWord(SignalState state) {
    switch (state) {
        case SignalState::NotResponding:
            return TRANSLATABLE("StatusWord", "QUORVANE NOT RESPONDING");
        case SignalState::NoSignal:
            return TRANSLATABLE("StatusWord", "NO SIGNAL");
        case SignalState::Noise:
            return TRANSLATABLE("StatusWord", "NOISE");
        case SignalState::Data:
            return TRANSLATABLE("StatusWord", "DATA");
        case SignalState::OverPower:
            return TRANSLATABLE("StatusWord", "OVER POWER");
        case SignalState::SignalOk:
            return TRANSLATABLE("StatusWord", "SIGNAL OK");
        case SignalState::Underdriving:
            return TRANSLATABLE("StatusWord", "UNDERDRIVING");
        case SignalState::Overmodulated:
            return TRANSLATABLE("StatusWord", "SPLATTER!");
        default:
            return TRANSLATABLE("StatusWord", "UNDECIDED");
    }
}
