#include "rig/RigProtocol.h"

#include <charconv>
#include <cmath>

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

struct Band {
    const char* name;
    double lowMhz, highMhz;
};
// The widest allocation of any of the three IARU regions, so a band reads the same everywhere.
constexpr Band kBands[] = {
    {"160m", 1.8, 2.0},    {"80m", 3.5, 4.0},      {"60m", 5.25, 5.45},     {"40m", 7.0, 7.3},
    {"30m", 10.1, 10.15},  {"20m", 14.0, 14.35},   {"17m", 18.068, 18.168}, {"15m", 21.0, 21.45},
    {"12m", 24.89, 24.99}, {"10m", 28.0, 29.7},    {"6m", 50.0, 54.0},      {"4m", 70.0, 70.5},
    {"2m", 144.0, 148.0},  {"70cm", 420.0, 450.0},
};

}  // namespace

std::optional<RigReply> TakeRigReply(std::string_view buffer, int lines) {
    RigReply reply;
    while (int(reply.lines.size()) < lines) {
        const std::size_t end = buffer.find('\n', reply.consumed);
        if (end == std::string_view::npos) return std::nullopt;
        std::string_view line = buffer.substr(reply.consumed, end - reply.consumed);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        reply.consumed = end + 1;
        if (reply.lines.empty() && line.starts_with("RPRT")) {
            const std::string_view code = Trimmed(line.substr(4));
            int value = -1;
            const auto [at, failed] =
                std::from_chars(code.data(), code.data() + code.size(), value);
            reply.error = failed == std::errc{} && at == code.data() + code.size() ? value : -1;
            return reply;
        }
        reply.lines.emplace_back(line);
    }
    return reply;
}

std::optional<double> ParseRigNumber(std::string_view line) {
    const std::string_view text = Trimmed(line);
    double value = 0.0;
    const auto [at, failed] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || failed != std::errc{} || at != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> ParsePtt(std::string_view line) {
    const std::optional<double> value = ParseRigNumber(line);
    if (!value) return std::nullopt;
    return *value != 0.0;
}

std::string ParseRigMode(std::string_view line) {
    const std::string_view text = Trimmed(line);
    if (text.empty() || text.size() > 12) return {};
    for (char c : text)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-')) return {};
    return std::string(text);
}

std::vector<std::string> ParseLevelNames(std::string_view line) {
    std::vector<std::string> names;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t\r", at);
        if (start == std::string_view::npos) break;
        at = line.find_first_of(" \t\r", start);
        names.emplace_back(line.substr(start, at == std::string_view::npos ? at : at - start));
    }
    return names;
}

std::string BandOf(double frequencyHz) {
    const double mhz = frequencyHz / 1e6;
    for (const Band& band : kBands)
        if (mhz >= band.lowMhz && mhz <= band.highMhz) return band.name;
    return {};
}

std::string BandModeKey(double frequencyHz, const std::string& mode) {
    const std::string band = BandOf(frequencyHz);
    if (band.empty() || mode.empty()) return {};
    return band + "-" + mode;
}

std::string RigFrequencyText(double frequencyHz, const std::string& mode) {
    // to_chars: the text never follows the C locale the GUI toolkit may have set.
    char text[512];  // room for any double in fixed notation
    const auto end = std::to_chars(text, text + sizeof text, std::floor(frequencyHz / 1e3) / 1e3,
                                   std::chars_format::fixed, 3)
                         .ptr;
    const std::string mhz(text, end);
    return mode.empty() ? mhz : mhz + " " + mode;
}
