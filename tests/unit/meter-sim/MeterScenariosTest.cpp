// The emulator's scenarios through the program's own analysis: each must give the status
// it is named for at the default settings, or the demo and the tests show the wrong thing.

#include "meter-sim/MeterScenarios.h"

#include <gtest/gtest.h>

#include "measure/Analysis.h"

namespace {

TEST(MeterScenarios, AnalysisGivesTheNamedState) {
    BuildHarmonicTables();
    const std::pair<const char*, SignalState> expected[] = {
        {"clean", SignalState::SignalOk},           {"splatter", SignalState::Overmodulated},
        {"underdriven", SignalState::Underdriving}, {"noise", SignalState::Noise},
        {"silence", SignalState::NoSignal},         {"data", SignalState::Data},
        {"overlong", SignalState::NotResponding}};
    for (const auto& [name, state] : expected) {
        const auto scenario = MeterScenarioNamed(name);
        ASSERT_TRUE(scenario) << name;
        // The random scenarios are drawn afresh for every reply; try a few seeds.
        for (unsigned seed = 1; seed <= 20; ++seed) {
            std::mt19937 random(seed);
            const std::string reply =
                MeterDataReply(*scenario, MeterIdentification("1.10"), random);
            EXPECT_EQ(Analyze(reply, AnalysisSettings{}).State, state) << name << " seed " << seed;
        }
    }
}

}  // namespace
