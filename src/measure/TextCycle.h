#pragma once
// Text mode: the meter's reply listed as numbers, four bytes a line, with its minimum,
// maximum and RMS in counts and volts.

#include <string>
#include <string_view>
#include <vector>

#include "base/Logger.h"
#include "base/Translation.h"

inline constexpr std::string_view kTextModeStatus = TRANSLATABLE("StatusWord", "TEXT MODE");

struct TextCycleResult {
    std::vector<std::string> MemoLines;  // replace the memo's lines
    bool ShowTextModeStatus = false;     // set the status word to kTextModeStatus
};

// For a reply that is not identification text; writes the memo lines to the log as well,
// there in English.
TextCycleResult RunTextCycle(std::string_view reply, char decimalSeparator, Logger& log);
