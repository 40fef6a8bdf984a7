#include "measure/HarmonicTables.h"

#include <cmath>
#include <numbers>

namespace {
HarmonicTable sinStorage{};
HarmonicTable cosStorage{};
}  // namespace

const HarmonicTable& SinTable = sinStorage;
const HarmonicTable& CosTable = cosStorage;

double HarmonicAngle(int h, int n) {
    return h * std::numbers::pi * ((n - 1) / 32.0 + 0.015625);
}

void BuildHarmonicTables() {
    for (int h = 1; h <= kHarmonics; ++h) {
        for (int n = 1; n <= kFrameSamples; ++n) {
            const double angle = HarmonicAngle(h, n);
            sinStorage[h][n] = std::sin(angle);
            cosStorage[h][n] = std::cos(angle);
        }
    }
}
