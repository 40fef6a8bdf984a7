#pragma once
// quorvane.log: one CRLF-ended line per Log call, flushed at once so that the file is
// complete up to the last line even if the program dies. Safe to call from the serial
// worker thread and the GUI thread together.

#include <cstdio>
#include <mutex>
#include <string>

#include "base/Logger.h"

class LogFile final : public Logger {
public:
    LogFile() = default;
    ~LogFile() override;
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // Creates the file empty, truncating an old one. False when it cannot be created, and
    // on POSIX also when the name is a symbolic link or a file of another user: the log
    // lives in whatever folder the program was started from, which may be shared.
    bool Open(const std::string& path);
    // Appends text and CRLF; nothing happens while the log is not open.
    void Log(const std::string& text) override;
    // Closes the file; closing again, or a log never opened, does nothing.
    void Close();

private:
    void CloseLocked();

    std::mutex mutex_;
    std::FILE* file_ = nullptr;
};
