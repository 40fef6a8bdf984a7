#include "measure/FixedFormat.h"

#include <array>
#include <charconv>

std::string FormatFixed(double value, int width, int decimals, char decimalSeparator) {
    // Large enough for any double in fixed notation with the few decimals used here.
    std::array<char, 400> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, decimals);
    std::string text = ec == std::errc{} ? std::string(buffer.data(), end) : std::string("?");
    if (const auto point = text.find('.'); point != std::string::npos) {
        text[point] = decimalSeparator;
    }
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string TrimLeadingBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}
