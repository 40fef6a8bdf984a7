#include "measure/TextCycle.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "base/Translation.h"
#include "measure/Analysis.h"
#include "measure/FixedFormat.h"
namespace {

std::uint8_t ByteAt(std::string_view reply, std::size_t i) {
    return static_cast<std::uint8_t>(reply[i]);
}

// Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "(" + string at -O3.
std::string Volts(double counts, char sep) {
    std::string text = "(";
    text += FormatFixed(CountsToVolts(counts), 8, 3, sep);
    text += " V)";
    return text;
}

// In the operator's language for the window, in English for the log.
std::vector<std::string> MemoLines(std::string_view reply, char sep, bool english) {
    const auto text = [english](const char* pattern,
                                std::initializer_list<std::string_view> parts) {
        return TextIn(english, "TextCycle", pattern, parts);
    };
    if (reply.empty()) return {text(TRANSLATABLE("TextCycle", "No data received."), {})};

    std::vector<std::string> lines;
    lines.push_back(
        text(TRANSLATABLE("TextCycle", "Received bytes: %1"), {std::to_string(reply.size())}));
    // An incomplete last group is left out of the listing but not out of the figures.
    for (std::size_t i = 0; i + 4 <= reply.size(); i += 4) {
        char row[32];
        std::snprintf(row, sizeof row, "%3d %3d %3d %3d", ByteAt(reply, i), ByteAt(reply, i + 1),
                      ByteAt(reply, i + 2), ByteAt(reply, i + 3));
        lines.emplace_back(row);
    }

    int minimum = 255;
    int maximum = 0;
    double squares = 0.0;
    for (std::size_t i = 0; i < reply.size(); ++i) {
        const int b = ByteAt(reply, i);
        minimum = std::min(minimum, b);
        maximum = std::max(maximum, b);
        squares += static_cast<double>(b) * b;
    }
    const double rms = std::sqrt(squares / static_cast<double>(reply.size()));

    lines.push_back(text(TRANSLATABLE("TextCycle", "Minimum value: %1%2"),
                         {std::to_string(minimum), Volts(minimum, sep)}));
    lines.push_back(text(TRANSLATABLE("TextCycle", "Maximum value: %1%2"),
                         {std::to_string(maximum), Volts(maximum, sep)}));
    lines.push_back(text(TRANSLATABLE("TextCycle", "RMS Value:     %1 %2"),
                         {FormatFixed(rms, 8, 3, sep), Volts(rms, sep)}));
    return lines;
}

}  // namespace

TextCycleResult RunTextCycle(std::string_view reply, char decimalSeparator, Logger& log) {
    TextCycleResult result;
    result.MemoLines = MemoLines(reply, decimalSeparator, false);
    // An empty reply leaves the status word alone and is not logged.
    if (reply.empty()) return result;
    result.ShowTextModeStatus = true;
    for (const std::string& line : MemoLines(reply, decimalSeparator, true)) log.Log(line);
    return result;
}
