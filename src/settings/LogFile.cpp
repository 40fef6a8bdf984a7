#include "settings/LogFile.h"

LogFile::~LogFile() {
    Close();
}

bool LogFile::Open(const std::string& path) {
    const std::lock_guard lock(mutex_);
    if (stream_.is_open()) stream_.close();
    stream_.clear();
    writeFailed_ = false;
    // Binary, so the CRLF goes out as written.
    stream_.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
    return stream_.is_open();
}

void LogFile::Log(const std::string& text) {
    const std::lock_guard lock(mutex_);
    if (!stream_.is_open()) return;
    stream_ << text << "\r\n";
    stream_.flush();
    if (!stream_) {
        writeFailed_ = true;
        stream_.clear();  // so that later lines are still tried
    }
}

void LogFile::Close() {
    const std::lock_guard lock(mutex_);
    if (stream_.is_open()) stream_.close();
}

bool LogFile::IsOpen() const {
    const std::lock_guard lock(mutex_);
    return stream_.is_open();
}

bool LogFile::WriteFailed() const {
    const std::lock_guard lock(mutex_);
    return writeFailed_;
}
