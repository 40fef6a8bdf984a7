#pragma once
// Sine and cosine of the first ten harmonics at the centres of the 64 sample slots, so that
// the per-frame analysis never evaluates a trigonometric function.

#include <array>

inline constexpr int kFrameSamples = 64;
inline constexpr int kHarmonics = 10;

// Indexed [h][n] with h = 1..10 and n = 1..64; row 0 and column 0 are unused so that h and
// n count from 1, as the samples b1..b64 do.
using HarmonicTable = std::array<std::array<double, kFrameSamples + 1>, kHarmonics + 1>;

// The angle of harmonic h at sample n: h x pi x (2n - 1) / 64.
double HarmonicAngle(int h, int n);

// Fills SinTable and CosTable; called once at start-up before the first frame is analysed.
// Calling it again refills the same values.
void BuildHarmonicTables();

// Read-only views of the program-wide tables.
extern const HarmonicTable& SinTable;
extern const HarmonicTable& CosTable;
