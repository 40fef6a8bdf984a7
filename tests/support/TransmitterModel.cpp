#include "support/TransmitterModel.h"

#include "measure/Analysis.h"
#include "measure/LevelSweep.h"
#include "meter-sim/SinkFollower.h"

namespace {

Measurement Read(int levelPercent, int kneePercent, int targetImd) {
    static const bool tablesBuilt = (BuildHarmonicTables(), true);
    (void)tablesBuilt;
    return Analyze(TransmitterFrame(levelPercent, kneePercent), {.TargetIMD = targetImd});
}

}  // namespace

int HighestCleanLevel(int kneePercent, int targetImd) {
    for (int level = 100; level > 0; --level) {
        const Measurement m = Read(level, kneePercent, targetImd);
        if (MeetsTarget(m.State, m.ImdDb, targetImd)) return level;
    }
    return 0;
}

double ModelPeakVolts(int levelPercent, int kneePercent) {
    return Read(levelPercent, kneePercent, AnalysisSettings{}.TargetIMD).PeakVolts;
}
