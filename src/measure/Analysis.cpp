#include "measure/Analysis.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kHalf = kFrameSamples / 2;
constexpr double kTwoToneRatio = 0.9;
constexpr double kErrRmsLimit = 0.015;
constexpr double kErrMeanLimit = 0.1;

// Squared misfit of the first arch against the ideal arch of height peak.
double ArchError(const SampleFrame& frame, double peak) {
    double sum = 0.0;
    for (int n = 1; n <= kHalf; ++n) {
        const double d = frame[n - 1] - peak * SinTable[1][n];
        sum += d * d;
    }
    return sum;
}

}  // namespace

double PowerFromPeakVolts(double peakVolts, bool qrpJumpered) {
    const PowerCoefficients& k = qrpJumpered ? kQrpPowerCoefficients : kQroPowerCoefficients;
    const double v = peakVolts;
    return k.a * v * v * v + k.b * v * v + k.c * v + k.d;
}

SampleFrame RotateFrame(const SampleFrame& frame, int k) {
    SampleFrame result{};
    std::rotate_copy(frame.begin(), frame.begin() + (k - 1), frame.end(), result.begin());
    return result;
}

SampleFrame AlignFrame(const SampleFrame& frame, double peak) {
    const SampleFrame later = RotateFrame(frame, kFrameSamples);
    const SampleFrame earlier = RotateFrame(frame, 2);
    const double e0 = ArchError(frame, peak);
    const double e1 = ArchError(earlier, peak);
    const double e2 = ArchError(later, peak);
    // Only a strictly better fit keeps the frame; a tie between the shifts goes to the later.
    if (e0 < e1 && e0 < e2) return frame;
    return e1 < e2 ? earlier : later;
}

bool CheckLength(std::string_view reply, Measurement& m) {
    if (reply.size() != kFrameSamples) {
        m.State = SignalState::NotResponding;
        return false;
    }
    std::transform(reply.begin(), reply.end(), m.Samples.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    return true;
}

bool CheckSignal(Measurement& m, int noiseFloor) {
    if (std::all_of(m.Samples.begin(), m.Samples.end(), [](std::uint8_t b) { return b <= 1; })) {
        m.State = SignalState::NoSignal;
        return false;
    }
    double squares = 0.0;
    for (const std::uint8_t b : m.Samples) squares += static_cast<double>(b) * b;
    m.Rms = std::sqrt(squares / kFrameSamples);
    if (noiseFloor > m.Rms) {
        m.State = SignalState::Noise;
        return false;
    }
    return true;
}

void ShapeFrame(Measurement& m) {
    // min_element gives the first of equal smallest samples, which is where the frame starts.
    const auto smallest = std::min_element(m.Samples.begin(), m.Samples.end());
    m.Samples = RotateFrame(m.Samples, static_cast<int>(smallest - m.Samples.begin()) + 1);

    const auto middle = m.Samples.begin() + kHalf;
    const int firstMax = *std::max_element(m.Samples.begin(), middle);
    const int secondMax = *std::max_element(middle, m.Samples.end());
    m.Peak = (firstMax + secondMax) / 2.0;
    m.Mid = (m.Samples[kHalf - 1] + m.Samples[kHalf]) / 2.0;
    m.TwoTone = m.Mid / m.Peak < kTwoToneRatio;

    if (m.TwoTone) {
        m.Samples = AlignFrame(m.Samples, m.Peak);
        m.TwoTone =
            m.Samples.front() / m.Peak < kTwoToneRatio && m.Samples.back() / m.Peak < kTwoToneRatio;
    }
    m.PeakVolts = CountsToVolts(m.Peak);
}

void EstimatePower(Measurement& m, bool qrpJumpered) {
    m.PowerWatts = PowerFromPeakVolts(m.PeakVolts, qrpJumpered);
}

void SamplePass(Measurement& m) {
    if (!m.TwoTone) return;
    for (int n = 1; n <= kFrameSamples; ++n) {
        const double b = m.Samples[n - 1];
        m.Ideal[n] = m.Peak * SinTable[1][n];
        if (n <= kHalf) {
            const double d = b - m.Ideal[n];
            m.DevSquares += d * d;
            m.DevSum += d;
        }
        // The second arch is turned over so that the two make one full sine period.
        const double x = n <= kHalf ? b : -b;
        for (int h = 1; h <= kHarmonics; ++h) {
            m.HarmSin[h] += x * SinTable[h][n];
            m.HarmCos[h] += x * CosTable[h][n];
        }
    }
}

bool CheckTwoToneAndPower(Measurement& m, const AnalysisSettings& settings) {
    if (!m.TwoTone) {
        m.State = SignalState::Data;
        return false;
    }
    if (settings.PowerLimitEnabled && m.PeakVolts > settings.MaxVolts) {
        m.State = SignalState::OverPower;
        return false;
    }
    return true;
}

void MeasureDeviation(Measurement& m) {
    double total = 0.0;
    for (int h = 1; h <= kHarmonics; ++h) {
        total += m.HarmSin[h] * m.HarmSin[h] + m.HarmCos[h] * m.HarmCos[h];
    }
    const double fundamental = m.HarmSin[1] * m.HarmSin[1] + m.HarmCos[1] * m.HarmCos[1];
    // A frame without any harmonic energy reads like one whose harmonics carry none: 0 dB.
    const double ratio = total > 0.0 ? (total - fundamental) / total : 0.0;
    m.ImdDb = ratio > 0.0 ? 10.0 * std::log10(ratio) : 0.0;
    m.ErrRms = std::sqrt(m.DevSquares) / (31.0 * m.Peak);
    m.ErrMean = m.DevSum / 32.0;
}

void ClassifyQuality(Measurement& m, int targetImd) {
    const bool failed = m.ErrRms > kErrRmsLimit || m.ImdDb > targetImd;
    if (!failed) {
        m.State = SignalState::SignalOk;
    } else if (std::abs(m.ErrMean) > kErrMeanLimit) {
        m.State = m.ErrMean < 0.0 ? SignalState::Underdriving : SignalState::Overmodulated;
    } else {
        m.State = SignalState::Undecided;
    }
}

Measurement Analyze(std::string_view reply, const AnalysisSettings& settings) {
    Measurement m;
    if (!CheckLength(reply, m) || !CheckSignal(m, settings.NoiseFloor)) return m;
    ShapeFrame(m);
    SamplePass(m);
    if (!CheckTwoToneAndPower(m, settings)) return m;
    MeasureDeviation(m);
    ClassifyQuality(m, settings.TargetIMD);
    return m;
}
