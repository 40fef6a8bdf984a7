// The emulator's scenarios through the program's own analysis: each must give the status
// it is named for at the default settings, or the demo and the tests show the wrong thing.

#include "meter-sim/MeterScenarios.h"

#include <gtest/gtest.h>

#include "measure/Analysis.h"

namespace {

struct Expected {
    const char* scenario;
    SignalState state;
};

class AnalysedScenario : public ::testing::Test {
protected:
    static void SetUpTestSuite() { BuildHarmonicTables(); }
};
class MeterScenarioTest : public AnalysedScenario,
                          public ::testing::WithParamInterface<Expected> {};

TEST_P(MeterScenarioTest, AnalysisGivesTheNamedState) {
    const auto scenario = MeterScenarioNamed(GetParam().scenario);
    ASSERT_TRUE(scenario);
    // The random scenarios are drawn afresh for every reply; try a few seeds.
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        const std::string reply = MeterDataReply(*scenario, MeterIdentification("1.10"), random);
        EXPECT_EQ(Analyze(reply, AnalysisSettings{}).State, GetParam().state)
            << GetParam().scenario << " seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, MeterScenarioTest,
                         ::testing::Values(Expected{"clean", SignalState::SignalOk},
                                           Expected{"splatter", SignalState::Overmodulated},
                                           Expected{"underdriven", SignalState::Underdriving},
                                           Expected{"noise", SignalState::Noise},
                                           Expected{"silence", SignalState::NoSignal},
                                           Expected{"data", SignalState::Data},
                                           Expected{"short", SignalState::NotResponding},
                                           Expected{"silent", SignalState::NotResponding}),
                         [](const auto& test) { return std::string(test.param.scenario); });

TEST(MeterScenarios, IdentificationTextFitsTheMeterReply) {
    EXPECT_EQ(MeterIdentification("1.10"), "QUORVANE RF Meter Version 1.10");
    EXPECT_EQ(MeterIdentification("none"), "QUORVANE RF Meter");
    EXPECT_EQ(MeterIdentification("1.10-experimental-build").size(), 31u);
    std::mt19937 random(1);
    EXPECT_EQ(MeterDataReply(MeterScenario::IdText, "QUORVANE x", random), "QUORVANE x");
    EXPECT_FALSE(MeterScenarioNamed("Clean"));
    EXPECT_EQ(MeterScenarioNames().size(), 9u);
}

}  // namespace
