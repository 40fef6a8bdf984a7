#pragma once
// Frames for the measurement tests, built from the ideal arch shape.

#include <cmath>
#include <numbers>
#include <string>

#include "measure/Analysis.h"

// Built once before the first frame is analysed, as the program does at start-up.
inline const bool kHarmonicTablesBuilt = (BuildHarmonicTables(), true);

// round(peak x |sin(pi(2n-1)/64)|^power): power 1 is a clean idle PSK envelope, above 1 a
// thinner (underdriven) one, below 1 a fuller (overdriven) one.
inline std::string ArchFrame(double peak, double power = 1.0) {
    std::string frame;
    for (int n = 1; n <= 64; ++n) {
        const double s = std::abs(std::sin(std::numbers::pi * (2 * n - 1) / 64));
        frame.push_back(static_cast<char>(std::lround(peak * std::pow(s, power))));
    }
    return frame;
}

inline std::string Filled(int value, std::size_t size = 64) {
    return std::string(size, static_cast<char>(value));
}

inline int At(const std::string& frame, int n) {
    return static_cast<unsigned char>(frame[n - 1]);
}
