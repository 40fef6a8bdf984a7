#pragma once
// Figures with a fixed number of decimals, as "%<width>.<decimals>f" would print them, but
// with the decimal separator chosen by the caller (the user's locale) rather than the C
// library's current locale, which the GUI toolkit may have changed.

#include <string>
#include <string_view>

std::string FormatFixed(double value, int width, int decimals, char decimalSeparator);

std::string TrimLeadingBlanks(std::string_view text);
