#pragma once
// The emulator's sink-following transmitter as the program's analysis reads it, for tests that
// check a best-level sweep's answer against the model's own.

#include "measure/Analysis.h"
#include "measure/LevelSweep.h"
#include "meter-sim/SinkFollower.h"

// The analysis, at `targetImd`, of the transmitter with its knee at kneePercent driven at
// levelPercent.
inline Measurement ModelReading(int levelPercent, int kneePercent, int targetImd) {
    static const bool tablesBuilt = (BuildHarmonicTables(), true);
    (void)tablesBuilt;
    return Analyze(TransmitterFrame(levelPercent, kneePercent), {.TargetIMD = targetImd});
}

// The highest drive level, percent, at which the transmitter meets targetImd, judged as the
// sweep judges a step (the analysis at that target, then MeetsTarget); 0 when no level from 1
// to 100 does.
inline int HighestCleanLevel(int kneePercent, int targetImd) {
    for (int level = 100; level > 0; --level) {
        const Measurement m = ModelReading(level, kneePercent, targetImd);
        if (MeetsTarget(m.State, m.ImdDb, targetImd)) return level;
    }
    return 0;
}

// The peak volts the analysis reads from the transmitter driven at levelPercent.
inline double ModelPeakVolts(int levelPercent, int kneePercent) {
    return ModelReading(levelPercent, kneePercent, AnalysisSettings{}.TargetIMD).PeakVolts;
}
