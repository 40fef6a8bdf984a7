#include "meter-sim/MeterScenarios.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int kFrameBytes = 64;
constexpr std::size_t kIdentificationBytes = 31;
constexpr std::size_t kShortReplyBytes = 40;
// The overlong reply's tail: blocks as long as the program's drain reads.
constexpr std::size_t kTailBlockBytes = 83;
constexpr int kTailBlocks = 8;

struct NamedScenario {
    std::string_view name;
    MeterScenario scenario;
};
constexpr std::array<NamedScenario, 10> kScenarios{{
    {"clean", MeterScenario::Clean},
    {"splatter", MeterScenario::Splatter},
    {"underdriven", MeterScenario::Underdriven},
    {"noise", MeterScenario::Noise},
    {"silence", MeterScenario::Silence},
    {"data", MeterScenario::Data},
    {"short", MeterScenario::Short},
    {"idtext", MeterScenario::IdText},
    {"silent", MeterScenario::Silent},
    {"overlong", MeterScenario::Overlong},
}};

// |sin| at the centre of sample n's slot across the two arches.
double Arch(int n) {
    return std::abs(std::sin(std::numbers::pi * (2 * n - 1) / 64.0));
}

template <typename Shape>
std::string Frame(Shape shape) {
    std::string frame(kFrameBytes, '\0');
    for (int n = 1; n <= kFrameBytes; ++n) {
        const long value = std::clamp(shape(n), 0L, 255L);
        frame[static_cast<std::size_t>(n - 1)] = static_cast<char>(value);
    }
    return frame;
}

std::string RandomFrame(std::mt19937& random, int low, int high) {
    std::uniform_int_distribution<int> draw(low, high);
    return Frame([&](int) { return static_cast<long>(draw(random)); });
}

std::string CleanFrame() {
    return Frame([](int n) { return std::lround(200.0 * Arch(n)); });
}

// Every byte a cooked or flow-controlled line would eat or change, and the extremes.
std::string OverlongReply() {
    constexpr unsigned char kLineControl[] = {0x00, 0xFF, 0x0D, 0x0A, 0x11, 0x13, 0x03, 0x04,
                                              0x1A, 0x7F, 0x1C, 0x15, 0x17, 0x12, 0x16, 0x0F};
    std::string reply = Frame(
        [&](int n) { return static_cast<long>(kLineControl[(n - 1) % sizeof kLineControl]); });
    for (int block = 0; block < kTailBlocks; ++block)
        reply.append(kTailBlockBytes, char('A' + block));
    return reply;
}

}  // namespace

std::optional<MeterScenario> MeterScenarioNamed(std::string_view name) {
    for (const auto& entry : kScenarios)
        if (entry.name == name) return entry.scenario;
    return std::nullopt;
}

std::vector<std::string_view> MeterScenarioNames() {
    std::vector<std::string_view> names;
    for (const auto& entry : kScenarios) names.push_back(entry.name);
    return names;
}

std::string MeterIdentification(const std::string& version) {
    std::string text = "QUORVANE RF Meter";
    if (version != "none") text += " Version " + version;
    return text.substr(0, kIdentificationBytes);
}

std::string MeterDataReply(MeterScenario scenario, const std::string& identification,
                           std::mt19937& random) {
    switch (scenario) {
        case MeterScenario::Clean:
            return CleanFrame();
        case MeterScenario::Splatter:
            // An overdriven transmitter clips the arch tops.
            return Frame([](int n) { return std::min(std::lround(240.0 * Arch(n)), 180L); });
        case MeterScenario::Underdriven:
            return Frame([](int n) { return std::lround(200.0 * Arch(n) * Arch(n)); });
        case MeterScenario::Noise:
            return RandomFrame(random, 2, 12);
        case MeterScenario::Silence:
            return RandomFrame(random, 0, 1);
        case MeterScenario::Data:
            // A keyed data stream keeps the envelope up: no nulls between the arches.
            return RandomFrame(random, 150, 160);
        case MeterScenario::Short:
            return CleanFrame().substr(0, kShortReplyBytes);
        case MeterScenario::IdText:
            return identification;
        case MeterScenario::Silent:
            return {};
        case MeterScenario::Overlong:
            return OverlongReply();
    }
    return {};
}
