#include "settings/LogFile.h"

#ifdef _WIN32
#include "base/Utf8File.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32

std::FILE* OpenForWriting(const std::string& path) {
    // Binary, so the CRLF goes out as written.
    return OpenUtf8File(path, "wb");
}

#else

// Never follows a link and never touches another user's file; the truncation comes only
// after those checks. Non-blocking while opening, so a planted FIFO cannot hang the start.
std::FILE* OpenForWriting(const std::string& path) {
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) return nullptr;
    struct stat st {};
    const bool mine = ::fstat(fd, &st) == 0 && st.st_uid == ::geteuid();
    const bool emptied = mine && (!S_ISREG(st.st_mode) || ::ftruncate(fd, 0) == 0);
    const int flags = ::fcntl(fd, F_GETFL);
    if (!emptied || flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) ::close(fd);
    return file;
}

#endif

}  // namespace

LogFile::~LogFile() {
    Close();
}

bool LogFile::Open(const std::string& path) {
    const std::lock_guard lock(mutex_);
    CloseLocked();
    file_ = OpenForWriting(path);
    return file_ != nullptr;
}

void LogFile::Log(const std::string& text) {
    const std::lock_guard lock(mutex_);
    if (file_ == nullptr) return;
    const bool written = std::fwrite(text.data(), 1, text.size(), file_) == text.size() &&
                         std::fwrite("\r\n", 1, 2, file_) == 2;
    // A line that could not be written whole (the disk is full, say) leaves the later
    // lines still tried.
    if (std::fflush(file_) != 0 || !written) std::clearerr(file_);
}

void LogFile::Close() {
    const std::lock_guard lock(mutex_);
    CloseLocked();
}

void LogFile::CloseLocked() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}
