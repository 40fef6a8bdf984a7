// Cost of analysing one meter frame; the refresh interval leaves it a second at most.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>

#include "measure/Analysis.h"

namespace {

// A slightly distorted two-tone envelope, so that every stage of the analysis runs.
std::string BenchFrame() {
    std::string frame;
    for (int n = 1; n <= 64; ++n) {
        const double s = std::abs(std::sin(std::numbers::pi * (2 * n - 1) / 64));
        frame.push_back(static_cast<char>(std::lround(230.0 * std::pow(s, 0.9)) + n % 3));
    }
    return frame;
}

void BM_AnalyzeFrame(benchmark::State& state) {
    BuildHarmonicTables();
    const std::string frame = BenchFrame();
    const AnalysisSettings settings;
    for (auto _ : state) {
        Measurement m = Analyze(frame, settings);
        benchmark::DoNotOptimize(m);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnalyzeFrame)->Unit(benchmark::kNanosecond);

}  // namespace
