#include "mqtt/PublishedState.h"

#include <cmath>

#include "measure/HistoryRecord.h"
#include "mqtt/JsonObject.h"

PublishedState CycleState(const Measurement& m, std::int64_t utcMillis, bool qrpJumpered,
                          int levelPercent) {
    PublishedState state;
    state.utcMillis = utcMillis;
    state.levelPercent = levelPercent;
    // The history record knows which figures the cycle reached; the doubles are the status line's.
    const HistoryRecord reached = MakeHistoryRecord(m, utcMillis, qrpJumpered, levelPercent);
    if (!std::isnan(reached.PeakVolts)) {
        state.peakVolts = m.PeakVolts;
        state.watts = PowerFromPeakVolts(m.PeakVolts, qrpJumpered);
    }
    if (!std::isnan(reached.ImdDb)) {
        state.imdDb = m.ImdDb;
        state.rmsErrorPercent = m.ErrRms * 100.0;
    }
    return state;
}

std::string StateJson(const PublishedState& s) {
    JsonObject json;
    // Decimals as the status line shows each figure.
    json.Text("utc", UtcText(s.utcMillis))
        .Text("status", s.status)
        .Number("peak_volts", s.peakVolts, 1)
        .Number("watts", s.watts, 1)
        .Number("imd_db", s.imdDb, 1)
        .Number("rms_error_percent", s.rmsErrorPercent, 2)
        .Number("level_percent", s.levelPercent, 0)
        .Text("psk_mode", s.pskMode)
        .Text("com_port", s.comPort);
    if (s.rig) {
        json.Number("rig_frequency_hz", s.rig->frequencyHz, 0)
            .Text("rig_mode", s.rig->mode)
            .Number("rig_alc_percent", s.rig->alcPercent, 0)
            .Number("rig_swr", s.rig->swr, 1)
            .Number("rig_watts", s.rig->watts, 0);
    }
    if (s.bestLevel) {
        json.Number("best_level_percent", s.bestLevel->level, 0)
            .Number("best_level_watts", s.bestLevel->watts, 1)
            .Number("best_level_imd_db", s.bestLevel->imdDb, 1);
    }
    return json.Json();
}
