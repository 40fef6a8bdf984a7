// The frame analysis and both measurement cycles on any reply the meter could send.

#include <cmath>

#include "FuzzInput.h"
#include "measure/GraphCycle.h"
#include "measure/HarmonicTables.h"
#include "measure/TextCycle.h"

namespace {

class CheckingView final : public GraphView {
public:
    void ClearSeries() override {}
    void AppendEnvelope(int, double b) override { Check(std::isfinite(b)); }
    void AppendIdeal(int, double v) override { Check(std::isfinite(v)); }
    void SetSplatter(const std::string&) override {}
    void SetRms(const std::string&) override {}
    void SetImd(const std::string&) override {}
    void SetMaxVoltage(const std::string&) override {}
    void SetPowerEstimate(const std::string&) override {}
    void SetLevel(const std::string&) override {}
    void SetTitle(const std::string&) override {}
    void SetIconVisible(bool) override {}
    void SetIconIndex(int index) override { Check(index >= kIconWhite && index <= kIconRed); }
    void ChangeAudioLevel(std::int32_t step) override { level += step; }
    std::int32_t MixerLevel() override { return level; }
    bool ShowPowerChecked() override { return true; }
    bool QrpSelected() override { return qrp; }
    bool IsMinimized() override { return true; }
    bool qrp = true;
    std::int32_t level = 50;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool tables = (BuildHarmonicTables(), true);
    (void)tables;
    FuzzInput input(data, size);
    GraphSettings settings;
    settings.Analysis.NoiseFloor = input.Byte() % 16;
    settings.Analysis.TargetIMD = -(input.Byte() % 40);
    const std::uint8_t flags = input.Byte();
    settings.Analysis.PowerLimitEnabled = flags & 1;
    settings.Analysis.MaxVolts = (flags >> 1) * 5.0 / 127;
    settings.Gain = input.Byte() / 25.0;
    settings.DecimalSeparator = flags & 0x80 ? ',' : '.';
    CheckingView view;
    view.qrp = flags & 0x40;
    GraphCycle cycle;
    // Several replies in a row: the cycle keeps a counter between them.
    while (!input.Empty()) {
        const std::string reply = input.Piece();
        const Measurement m = cycle.Run(view, reply, settings);
        Check(!std::isnan(m.ImdDb) && !std::isnan(m.ErrRms));
        NullLogger log;
        RunTextCycle(reply, settings.DecimalSeparator, log);
    }
    return 0;
}
