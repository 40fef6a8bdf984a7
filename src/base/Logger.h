#pragma once
// The program's debug log: one unprefixed line per call while logging is on.

#include <string>

class Logger {
public:
    virtual ~Logger() = default;
    virtual void Log(const std::string& text) = 0;
};

// A logger that drops everything, for code run before the log exists.
class NullLogger final : public Logger {
public:
    void Log(const std::string&) override {}
};
