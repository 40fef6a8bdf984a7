#pragma once
// Keeps every line the code under test logs.

#include <string>
#include <vector>

#include "base/Logger.h"

class RecordingLogger final : public Logger {
public:
    void Log(const std::string& text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};
