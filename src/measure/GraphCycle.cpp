#include "measure/GraphCycle.h"

#include <cmath>
#include <limits>

#include "base/Translation.h"
#include "measure/FixedFormat.h"

namespace {
// Every 25th two-tone cycle below the power limit nudges the level up by one point.
constexpr std::int32_t kCreepCycles = 25;

// The status word, and the shorter word on the taskbar while minimized. The status words
// are marked for translation where the history names them (StatusWord); the display
// translates both.
void ShowStatus(GraphView& view, const char* status, const char* title) {
    view.SetStatusWord(status);
    if (view.IsMinimized()) view.SetTitle(title);
}
}  // namespace

std::string RmsLabel(double errRms, char decimalSeparator) {
    return FilledIn(Translated("StatusLine", "RMS:%1%"),
                    {TrimLeadingBlanks(FormatFixed(errRms * 100.0, 8, 2, decimalSeparator))});
}

std::string ImdLabel(double imdDb, char decimalSeparator) {
    return FilledIn(Translated("StatusLine", "IMD:%1db"),
                    {TrimLeadingBlanks(FormatFixed(imdDb, 5, 1, decimalSeparator))});
}

std::string MaxVoltageLabel(double peakVolts, char decimalSeparator) {
    return FilledIn(Translated("StatusLine", "PEAK: %1V"),
                    {FormatFixed(peakVolts, 3, 1, decimalSeparator)});
}

std::string PowerEstimateLabel(double powerWatts, char decimalSeparator) {
    return FilledIn(Translated("StatusLine", "%1W"),
                    {FormatFixed(powerWatts, 4, 1, decimalSeparator)});
}

std::string LevelLabel(std::int32_t mixerLevel) {
    return FilledIn(Translated("StatusLine", "LEVEL:%1%"), {std::to_string(mixerLevel)});
}

std::string SpokenFigure(std::string_view shown) {
    enum class Kind { Gap, Number, Word };
    const auto kindOf = [](char c) {
        if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == ',')
            return Kind::Number;
        return c == ' ' || c == ':' ? Kind::Gap : Kind::Word;
    };
    std::string spoken;
    Kind previous = Kind::Gap;
    for (const char c : shown) {
        const Kind kind = kindOf(c);
        if (kind != Kind::Gap && kind != previous && !spoken.empty()) spoken += ' ';
        if (kind != Kind::Gap) spoken += c;
        previous = kind;
    }
    const std::size_t decibel = spoken.rfind(" db");
    if (decibel != std::string::npos && decibel + 3 == spoken.size())
        spoken.replace(decibel + 1, 2, "dB");
    return spoken;
}

std::int32_t LevelStepSize(double errRms, double gain) {
    const double step = std::trunc(errRms * gain * 100.0);
    if (std::isnan(step)) return 0;
    // An absurd gain setting must not overflow the step (the mixer clamps any size), and the
    // step must stay negatable.
    constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
    if (step > kLargest) return kLargest;
    if (step < -kLargest) return -kLargest;
    return static_cast<std::int32_t>(step);
}

Measurement GraphCycle::Run(GraphView& view, std::string_view reply,
                            const GraphSettings& settings) {
    const char sep = settings.DecimalSeparator;
    Measurement m;
    view.ClearChart();

    if (!CheckLength(reply, m)) {
        view.SetRms("");
        view.SetImd("");
        ShowStatus(view, "QUORVANE NOT RESPONDING", TRANSLATABLE("StatusWord", "NOT RESPONDING"));
        view.SetIconVisible(false);
        return m;
    }
    view.SetIconVisible(true);

    if (!CheckSignal(m, settings.Analysis.NoiseFloor)) {
        view.SetRms("");
        view.SetImd("");
        if (m.State == SignalState::NoSignal) {
            ShowStatus(view, "NO SIGNAL", "NO SIGNAL");
        } else {
            ShowStatus(view, "NOISE", "NOISE");
        }
        view.SetIconIndex(kIconWhite);
        return m;
    }

    ShapeFrame(m);
    view.SetMaxVoltage(MaxVoltageLabel(m.PeakVolts, sep));
    if (settings.ShowPower) {
        EstimatePower(m, settings.QrpJumpered);
        view.SetPowerEstimate(PowerEstimateLabel(m.PowerWatts, sep));
    }

    SamplePass(m);
    for (int n = 1; n <= kFrameSamples; ++n) {
        view.AppendEnvelope(n, m.Samples[n - 1]);
        if (m.TwoTone) view.AppendIdeal(n, m.Ideal[n]);
    }

    if (!CheckTwoToneAndPower(m, settings.Analysis)) {
        if (m.State == SignalState::Data) {
            ShowStatus(view, "DATA", "DATA");
        } else {
            ShowStatus(view, "OVER POWER", TRANSLATABLE("StatusWord", "PWR+"));
            view.SetIconIndex(kIconRed);
            view.ChangeAudioLevel(-1);
        }
    } else {
        ShowQuality(view, m, settings);
    }

    view.SetLevel(LevelLabel(view.MixerLevel()));
    return m;
}

void GraphCycle::ShowQuality(GraphView& view, Measurement& m, const GraphSettings& settings) {
    // The creep step comes before this frame's own correction, so both may be handed over.
    if (++levelCreepCounter_ % kCreepCycles == 0) {
        levelCreepCounter_ = 0;
        view.ChangeAudioLevel(1);
    }

    const char sep = settings.DecimalSeparator;
    MeasureDeviation(m);
    view.SetImd(ImdLabel(m.ImdDb, sep));
    view.SetRms(RmsLabel(m.ErrRms, sep));

    ClassifyQuality(m, settings.Analysis.TargetIMD);
    const std::int32_t t = LevelStepSize(m.ErrRms, settings.Gain);
    switch (m.State) {
        case SignalState::Underdriving:
            ShowStatus(view, "UNDERDRIVING", TRANSLATABLE("StatusWord", "WEAK"));
            view.SetIconIndex(kIconBlack);
            view.ChangeAudioLevel(t);
            break;
        case SignalState::Overmodulated:
            ShowStatus(view, "SPLATTER!", TRANSLATABLE("StatusWord", "SPLATTER"));
            view.SetIconIndex(kIconRed);
            view.ChangeAudioLevel(-t);
            break;
        case SignalState::SignalOk:
            ShowStatus(view, "SIGNAL OK", TRANSLATABLE("StatusWord", "OK"));
            view.SetIconIndex(kIconBlue);
            break;
        default:  // Undecided leaves the status line as it was
            break;
    }
}
