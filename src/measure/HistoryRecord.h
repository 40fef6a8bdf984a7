#pragma once
// One graph cycle's figures as the session history keeps them: small enough that a day of
// cycles at four a second stays a few megabytes (24 bytes a record).

#include <cstdint>
#include <limits>
#include <string_view>

#include "measure/Analysis.h"

// A figure the cycle did not reach (no IMD on a data frame, no peak without a signal).
inline constexpr float kNoFigure = std::numeric_limits<float>::quiet_NaN();

struct HistoryRecord {
    std::uint32_t UtcSeconds = 0;  // since 1970-01-01, good until 2106
    std::uint16_t Millis = 0;
    std::uint8_t State = 0;  // a SignalState
    std::uint8_t LevelPercent = 0;
    float PeakVolts = kNoFigure;
    float Watts = kNoFigure;
    float ImdDb = kNoFigure;
    float ErrRmsPercent = kNoFigure;

    std::int64_t UtcMillis() const { return std::int64_t(UtcSeconds) * 1000 + Millis; }
};

// The figures of a finished cycle at `utcMillis`. The watts follow the peak with the
// meter's jumper setting whether or not the status line shows them.
HistoryRecord MakeHistoryRecord(const Measurement& m, std::int64_t utcMillis, bool qrpJumpered,
                                int levelPercent);

// The status word the status line shows for a state; Undecided, which leaves the status
// line alone, has a word of its own here.
std::string_view StatusWord(SignalState state);
