// The frame analysis, its status-line figures and the text cycle on any replies in a row.

#include <cmath>

#include "FuzzInput.h"
#include "measure/GraphCycle.h"
#include "measure/TextCycle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool tables = (BuildHarmonicTables(), true);
    FuzzInput input(data, size);
    AnalysisSettings settings{.NoiseFloor = input.Byte() % 16, .TargetIMD = -(input.Byte() % 40)};
    const std::uint8_t flags = input.Byte();
    settings.PowerLimitEnabled = flags & 1;
    settings.MaxVolts = (flags >> 1) * 5.0 / 127;
    const double gain = input.Byte() / 25.0;
    const char separator = flags & 0x80 ? ',' : '.';
    for (NullLogger log; tables && !input.rest.empty();) {
        const std::string reply = input.Piece();
        const Measurement m = Analyze(reply, settings);
        Check(!std::isnan(m.ImdDb) && !std::isnan(m.ErrRms));
        for (const double v : m.Ideal) Check(std::isfinite(v));
        const double watts = PowerFromPeakVolts(m.PeakVolts, flags & 0x40);
        (void)(ImdLabel(m.ImdDb, separator) + RmsLabel(m.ErrRms, separator) +
               MaxVoltageLabel(m.PeakVolts, separator) + PowerEstimateLabel(watts, separator));
        (void)LevelStepSize(m.ErrRms, gain);
        RunTextCycle(reply, separator, log);
    }
    return 0;
}
