#pragma once
// What one graph cycle publishes as `<topic>/state`: the figures the status line shows for
// that cycle, with the rig's readings and the last best-level result where there are any.
// docs/mqtt.md lists the fields.

#include <cstdint>
#include <optional>
#include <string>

#include "measure/Analysis.h"
#include "measure/HistoryCsv.h"
#include "settings/Settings.h"

struct PublishedState {
    std::int64_t utcMillis = 0;
    std::string status;  // the status word as the status line shows it
    // Figures the cycle did not reach are absent.
    std::optional<double> peakVolts;
    std::optional<double> watts;
    std::optional<double> imdDb;
    std::optional<double> rmsErrorPercent;
    int levelPercent = 0;
    std::string pskMode;  // "PSK31", "PSK63"
    std::string comPort;  // "COM1"
    // Only while the program follows the rig.
    std::optional<RigColumns> rig;
    std::optional<KeptBestLevel> bestLevel;
};

// The figures of a finished cycle: the numbers its status-line texts were made from. The watts
// follow the peak with the jumper setting whether or not the status line shows them.
PublishedState CycleState(const Measurement& m, std::int64_t utcMillis, bool qrpJumpered,
                          int levelPercent);

// The JSON payload of `<topic>/state`.
std::string StateJson(const PublishedState& state);
