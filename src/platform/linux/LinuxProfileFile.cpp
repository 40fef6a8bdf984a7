#include "platform/linux/LinuxProfileFile.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <utility>

#include "platform/linux/ConfigPaths.h"

namespace fs = std::filesystem;

namespace {

// Where a chain of symbolic links ends. The end need not exist: a dangling link is
// written through, creating the file it names, never replaced by a plain file.
fs::path ResolveLinks(fs::path path, std::error_code& error) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        const fs::path link = fs::read_symlink(path, error);
        if (error) return {};
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return {};
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t done = ::write(fd, data.data(), data.size());
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

// Temporary files are named ".<file>.<pid>.<n>.tmp". One whose process has gone is what
// a save killed half-way left behind; a live process's one may be a save in progress.
void RemoveStaleTemporaries(const fs::path& folder, const std::string& fileName) {
    const std::string prefix = std::string(".").append(fileName).append(".");
    std::error_code error;
    for (fs::directory_iterator it(folder, error), last; !error && it != last;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(".tmp")) continue;
        const char* digits = name.c_str() + prefix.size();
        pid_t pid = 0;
        const auto [after, parsed] = std::from_chars(digits, name.c_str() + name.size(), pid);
        if (parsed != std::errc() || pid <= 0 || *after != '.') continue;
        if (::kill(pid, 0) != 0 && errno == ESRCH) ::unlink(it->path().c_str());
    }
}

// Writes a sibling temporary file, syncs it and renames it over the target, so readers
// see either the old file or the new one, never a mixture.
bool ReplaceFile(const fs::path& target, std::string_view content, const struct stat* old) {
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    RemoveStaleTemporaries(folder, target.filename().string());
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder / std::string(".")
                            .append(target.filename().string())
                            .append(".")
                            .append(std::to_string(::getpid()))
                            .append(".")
                            .append(std::to_string(counter++))
                            .append(".tmp");
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    if (old != nullptr) {
        // Keep the replaced file's permissions and, where we may, its owner.
        if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
            // Not permitted for an ordinary user; the file then becomes ours, as any edit would.
        }
        ::fchmod(fd, old->st_mode & 07777);
    }
    const bool written = WriteAll(fd, content) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable; the new file is in place even if this fails.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace

LinuxProfileFile::Load LinuxProfileFile::ReadAll(const std::string& path, std::string& content) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Load::Failed;
    Load load = Load::Loaded;
    // The size is checked while reading too: the file may have grown since the stat.
    char buffer[65536];
    while (load == Load::Loaded) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) load = Load::Failed;
        if (got <= 0) break;
        content.append(buffer, static_cast<std::size_t>(got));
        if (content.size() > kMaxFileSize) load = Load::TooLarge;
    }
    ::close(fd);
    return load;
}

LinuxProfileFile::LinuxProfileFile() : LinuxProfileFile(SettingsFilePath()) {}

LinuxProfileFile::LinuxProfileFile(std::string path) : path_(std::move(path)) {}

LinuxProfileFile::Snapshot LinuxProfileFile::Take() const {
    Snapshot snapshot;
    std::error_code error;
    snapshot.target = ResolveLinks(path_, error).string();
    if (error) {
        snapshot.load = Load::Failed;
        return snapshot;
    }
    struct stat& info = snapshot.info;
    if (::stat(snapshot.target.c_str(), &info) != 0) {
        snapshot.load = errno == ENOENT ? Load::Missing : Load::Failed;
        return snapshot;
    }
    if (!S_ISREG(info.st_mode)) {
        snapshot.load = Load::Failed;
        return snapshot;
    }
    std::string content;
    snapshot.load = static_cast<std::uintmax_t>(info.st_size) > kMaxFileSize
                        ? Load::TooLarge
                        : ReadAll(snapshot.target, content);
    if (snapshot.load == Load::Loaded) snapshot.doc = IniDocument(content);
    if (snapshot.load == Load::TooLarge && !toldTooLarge_) {
        toldTooLarge_ = true;
        std::fprintf(stderr, "quorvane: %s is larger than %ju KiB; not read, and left as it is\n",
                     snapshot.target.c_str(), kMaxFileSize / 1024);
    }
    return snapshot;
}

bool LinuxProfileFile::Save(const Snapshot& snapshot) const {
    const fs::path target = snapshot.target;
    if (snapshot.load == Load::Loaded) {
        // A file without any write permission is read-only, for root too, as on Windows.
        if ((snapshot.info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            return false;
    } else if (snapshot.load != Load::Missing) {
        return false;
    } else if (target.has_parent_path()) {
        std::error_code error;
        fs::create_directories(target.parent_path(), error);
        if (error) return false;
    }
    return ReplaceFile(target, snapshot.doc.Text(),
                       snapshot.load == Load::Loaded ? &snapshot.info : nullptr);
}

std::optional<std::string> LinuxProfileFile::Read(const std::string& section,
                                                  const std::string& key) const {
    if (batch_) return batch_->doc.Value(section, key);
    return Take().doc.Value(section, key);
}

bool LinuxProfileFile::Write(const std::string& section, const std::string& key,
                             const std::string& value) {
    if (!IniDocument::CanWrite(section, key, value)) return false;
    if (!batch_) {
        BeginBatch();
        Write(section, key, value);
        return EndBatch();
    }
    if (batch_->load != Load::Loaded && batch_->load != Load::Missing) return false;
    if (batch_->doc.Set(section, key, value)) batch_->changed = true;
    return true;
}

void LinuxProfileFile::BeginBatch() {
    if (batchDepth_++ == 0) batch_ = Take();
}

bool LinuxProfileFile::EndBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return true;
    const Snapshot snapshot = std::move(*batch_);
    batch_.reset();
    if (snapshot.load != Load::Loaded && snapshot.load != Load::Missing) return false;
    return !snapshot.changed || Save(snapshot);
}
