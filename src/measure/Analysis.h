#pragma once
// Turns one reply frame into the figures of merit of the transmitted signal and classifies it.
//
// The graph cycle shows results between the stages, so the analysis is offered both whole
// (Analyze) and as the stage functions it is made of, each continuing on the same
// Measurement. A stage that returns false has set the final State; later stages must not run.
// BuildHarmonicTables() must have run before any stage from ShapeFrame on.

#include <array>
#include <cstdint>
#include <string_view>

#include "measure/HarmonicTables.h"

enum class SignalState {
    NotResponding,
    NoSignal,
    Noise,
    Data,
    OverPower,
    SignalOk,
    Underdriving,
    Overmodulated,
    Undecided,
};

// Sample counts 0..255 span 0..5.0 V at the meter's ADC. Multiplied before dividing, so that
// whole volts come out exact (102 counts are 2.0 V).
inline constexpr double CountsToVolts(double counts) {
    return counts * 5.0 / 255.0;
}

// Samples b1..b64 are held at index 0..63.
using SampleFrame = std::array<std::uint8_t, kFrameSamples>;

struct Measurement {
    SignalState State = SignalState::NotResponding;
    SampleFrame Samples{};  // after rotation and alignment
    double Rms = 0.0;       // of the frame as received, in counts
    double Peak = 0.0;
    double Mid = 0.0;
    double PeakVolts = 0.0;
    double PowerWatts = 0.0;  // only filled by EstimatePower
    bool TwoTone = false;
    std::array<double, kFrameSamples + 1> Ideal{};  // [n], n = 1..64
    std::array<double, kHarmonics + 1> HarmSin{};   // [h], h = 1..10
    std::array<double, kHarmonics + 1> HarmCos{};   // [h], h = 1..10
    double ImdDb = 0.0;
    double ErrRms = 0.0;
    double ErrMean = 0.0;
    // Deviation from the ideal over the first arch, gathered by SamplePass for
    // MeasureDeviation: sum of squares and plain sum.
    double DevSquares = 0.0;
    double DevSum = 0.0;
};

struct AnalysisSettings {
    int NoiseFloor = 10;  // counts
    int TargetIMD = -22;  // dB
    bool PowerLimitEnabled = false;
    double MaxVolts = 5.0;
};

// Average power as a cubic in the peak volts; the meter's QRP/QRO jumper changes the scale.
struct PowerCoefficients {
    double a, b, c, d;
};
inline constexpr PowerCoefficients kQrpPowerCoefficients{0.9254, -2.588, 2.0439, 0.0};
inline constexpr PowerCoefficients kQroPowerCoefficients{16.08, -44.605, 38.538, 0.0};

double PowerFromPeakVolts(double peakVolts, bool qrpJumpered);

// The frame starting at sample k (1..64), wrapping around.
SampleFrame RotateFrame(const SampleFrame& frame, int k);

// The frame, or the frame shifted one place either way, whichever fits the ideal arch of
// height peak best over the first half.
SampleFrame AlignFrame(const SampleFrame& frame, double peak);

// The reply must be exactly 64 bytes, else NotResponding.
bool CheckLength(std::string_view reply, Measurement& m);
// NoSignal when every sample is 0 or 1, Noise when Rms is below the noise floor.
bool CheckSignal(Measurement& m, int noiseFloor);
// The frame's shape: rotated to start at its lowest sample; Peak, Mid and TwoTone; a
// two-tone frame aligned to the ideal arch; PeakVolts. The power is left to EstimatePower.
void ShapeFrame(Measurement& m);
void EstimatePower(Measurement& m, bool qrpJumpered);
// The ideal arch, the deviation sums and the harmonic sums of a two-tone frame.
void SamplePass(Measurement& m);
// Data when not two-tone, OverPower above the power limit.
bool CheckTwoToneAndPower(Measurement& m, const AnalysisSettings& settings);
// ImdDb from the harmonic sums, ErrRms and ErrMean from the deviation sums of SamplePass.
void MeasureDeviation(Measurement& m);
// SignalOk when ErrRms is within its limit and ImdDb does not exceed the target; otherwise
// Underdriving or Overmodulated by the sign of an ErrMean beyond its limit, else Undecided.
void ClassifyQuality(Measurement& m, int targetImd);

// All stages in order, without the power estimate.
Measurement Analyze(std::string_view reply, const AnalysisSettings& settings);
