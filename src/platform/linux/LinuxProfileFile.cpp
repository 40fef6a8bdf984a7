#include "platform/linux/LinuxProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/linux/ConfigPaths.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

// One line of the file with its own terminator, so that untouched lines are written back
// byte for byte, whatever mix of CRLF and LF the file has.
struct Line {
    std::string text;
    std::string eol;
};

struct Document {
    bool bom = false;
    std::vector<Line> lines;
    std::string eol = "\r\n";  // for lines we add; a new file gets Windows' CRLF
};

enum class LineKind { Other, Section, Key };

struct LineInfo {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
    std::size_t valueStart = 0;  // where the value begins in the line, for replacing it
};

// Windows' reading of a line: "[name]" opens a section, ";" starts a comment, and anything
// else with an '=' is a key; the rest is kept but never matches.
LineInfo Classify(const std::string& text) {
    LineInfo info;
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() == ';') return info;
    if (trimmed.front() == '[') {
        std::string_view name = trimmed.substr(1);
        name = name.substr(0, name.find(']'));
        info.kind = LineKind::Section;
        info.name = Trim(name);
        return info;
    }
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) return info;
    info.kind = LineKind::Key;
    info.name = Trim(std::string_view(text).substr(0, eq));
    std::size_t start = eq + 1;
    while (start < text.size() && IsBlank(text[start])) ++start;
    info.valueStart = start;
    info.value = Trim(std::string_view(text).substr(start));
    return info;
}

Document Parse(std::string_view content) {
    Document doc;
    if (content.substr(0, kBom.size()) == kBom) {
        doc.bom = true;
        content.remove_prefix(kBom.size());
    }
    bool eolKnown = false;
    while (!content.empty()) {
        const std::size_t nl = content.find('\n');
        Line line;
        if (nl == content.npos) {
            line.text = std::string(content);
            content = {};
        } else {
            const bool crlf = nl > 0 && content[nl - 1] == '\r';
            line.text = std::string(content.substr(0, crlf ? nl - 1 : nl));
            line.eol = crlf ? "\r\n" : "\n";
            content.remove_prefix(nl + 1);
            if (!eolKnown) {
                doc.eol = line.eol;
                eolKnown = true;
            }
        }
        doc.lines.push_back(std::move(line));
    }
    return doc;
}

std::string Serialize(const Document& doc) {
    std::string out;
    if (doc.bom) out += kBom;
    for (const Line& line : doc.lines) {
        out += line.text;
        out += line.eol;
    }
    return out;
}

// Body of the first section with that name: lines (header, end).
struct SectionRange {
    std::size_t header;
    std::size_t end;
};

std::optional<SectionRange> FindSection(const Document& doc, std::string_view section) {
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
        const LineInfo info = Classify(doc.lines[i].text);
        if (info.kind != LineKind::Section || !SameName(info.name, section)) continue;
        std::size_t end = i + 1;
        while (end < doc.lines.size() && Classify(doc.lines[end].text).kind != LineKind::Section)
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const Document& doc, SectionRange range, std::string_view key) {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const LineInfo info = Classify(doc.lines[i].text);
        if (info.kind == LineKind::Key && SameName(info.name, key)) return i;
    }
    return std::nullopt;
}

// A line we add after the file's last line must not run on from it.
void EndLastLine(Document& doc, std::size_t before) {
    if (before > 0 && doc.lines[before - 1].eol.empty()) doc.lines[before - 1].eol = doc.eol;
}

void SetValue(Document& doc, std::string_view section, std::string_view key,
              std::string_view value) {
    if (const auto range = FindSection(doc, section)) {
        if (const auto index = FindKey(doc, *range, key)) {
            // Only the value changes: the key keeps its spelling and its spacing.
            std::string& text = doc.lines[*index].text;
            text = text.substr(0, Classify(text).valueStart) + std::string(value);
            return;
        }
        // After the section's last non-blank line, so a blank line before the next
        // section stays where it is.
        std::size_t at = range->end;
        while (at > range->header + 1 && Trim(doc.lines[at - 1].text).empty()) --at;
        EndLastLine(doc, at);
        const auto pos = doc.lines.begin() + static_cast<std::ptrdiff_t>(at);
        doc.lines.insert(pos, Line{std::string(key) + "=" + std::string(value), doc.eol});
        return;
    }
    if (!doc.lines.empty()) {
        EndLastLine(doc, doc.lines.size());
        if (!Trim(doc.lines.back().text).empty()) doc.lines.push_back(Line{"", doc.eol});
    }
    doc.lines.push_back(Line{"[" + std::string(section) + "]", doc.eol});
    doc.lines.push_back(Line{std::string(key) + "=" + std::string(value), doc.eol});
}

std::optional<std::string> FindValue(const Document& doc, std::string_view section,
                                     std::string_view key) {
    const auto range = FindSection(doc, section);
    if (!range) return std::nullopt;
    const auto index = FindKey(doc, *range, key);
    if (!index) return std::nullopt;
    std::string_view value = Classify(doc.lines[*index].text).value;
    // GetPrivateProfileString drops one pair of matching quotes around a value.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

enum class Load { Missing, Loaded, Failed };

Load LoadFile(const std::string& path, std::string& content, struct stat& info) {
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT ? Load::Missing : Load::Failed;
    if (!S_ISREG(info.st_mode)) return Load::Failed;
    if (static_cast<std::uintmax_t>(info.st_size) > LinuxProfileFile::kMaxFileSize)
        return Load::Failed;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Load::Failed;
    content.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 ||
            content.size() + static_cast<std::size_t>(got) > LinuxProfileFile::kMaxFileSize) {
            ::close(fd);
            return Load::Failed;
        }
        if (got == 0) break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return Load::Loaded;
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

// Writes a sibling temporary file, syncs it and renames it over the target, so readers
// see either the old file or the new one, never a mixture.
bool ReplaceFile(const fs::path& target, std::string_view content, const struct stat* old) {
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                         std::to_string(counter++) + ".tmp");
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

// Names that would read back as something else are refused rather than written.
bool CanWrite(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view s = Trim(section);
    const std::string_view k = Trim(key);
    return !s.empty() && !k.empty() && s.find(']') == s.npos && k.find('=') == k.npos &&
           k.front() != '[' && k.front() != ';' && !HasLineBreak(section) && !HasLineBreak(key) &&
           !HasLineBreak(value);
}

}  // namespace

LinuxProfileFile::LinuxProfileFile() : LinuxProfileFile(SettingsFilePath()) {}

LinuxProfileFile::LinuxProfileFile(std::string path) : path_(std::move(path)) {}

std::optional<std::string> LinuxProfileFile::read(const std::string& section,
                                                  const std::string& key) const {
    std::string content;
    struct stat info {};
    if (LoadFile(path_, content, info) != Load::Loaded) return std::nullopt;
    return FindValue(Parse(content), Trim(section), Trim(key));
}

bool LinuxProfileFile::write(const std::string& section, const std::string& key,
                             const std::string& value) {
    if (!CanWrite(section, key, value)) return false;
    std::error_code error;
    fs::path target = path_;
    // Edit the file a symlink points at instead of replacing the link with a copy.
    if (fs::is_symlink(target, error)) {
        target = fs::weakly_canonical(target, error);
        if (error) return false;
    }
    std::string content;
    struct stat info {};
    const Load loaded = LoadFile(target.string(), content, info);
    if (loaded == Load::Failed) return false;
    if (loaded == Load::Loaded) {
        // A file without any write permission is read-only, for root too, as on Windows.
        if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return false;
    } else if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), error);
        if (error) return false;
    }
    Document doc = Parse(content);
    SetValue(doc, Trim(section), Trim(key), Trim(value));
    const std::string updated = Serialize(doc);
    if (loaded == Load::Loaded && updated == content) return true;
    return ReplaceFile(target, updated, loaded == Load::Loaded ? &info : nullptr);
}
