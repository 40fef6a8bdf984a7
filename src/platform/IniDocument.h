#pragma once
// The text of an INI file, read and edited the way the Windows profile-file calls do:
// section and key names match without regard to case, values come back trimmed (one
// pair of quotes dropped), and an edit changes only the line it must, so everything
// else (comments, unknown keys, order, line ends, a byte-order mark) is written back
// byte for byte. No I/O here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
public:
    // How Windows reads a line: a section header, a key, or anything else (kept, never matched).
    enum class Kind : std::uint8_t { Other, Section, Key };

    explicit IniDocument(std::string_view content = {});

    // The first matching key of the first matching section; nothing when either is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Replaces the key's value, or adds the key (and the section) as Windows would; false
    // when the text stays as it was. Callers check CanWrite first.
    bool Set(std::string_view section, std::string_view key, std::string_view value);
    std::string Text() const;

    // Names and values that would read back as something else are refused.
    static bool CanWrite(std::string_view section, std::string_view key, std::string_view value);

private:
    // The text is kept as read, edits made in place; only section and key lines are
    // indexed (by where they start), so a file of blank lines or comments costs one pass.
    struct Entry {
        std::size_t start;
        Kind kind;
    };
    struct SectionRange {
        std::size_t header;  // the section's entry
        std::size_t next;    // the next section's entry, or the number of entries
    };

    // The line starting at `start`, without its terminator; where the next one starts;
    // where the line that ends at `end` (a line start or the end of the text) starts.
    std::string_view LineAt(std::size_t start) const;
    std::size_t NextLine(std::size_t start) const;
    std::size_t LineBefore(std::size_t end) const;
    std::size_t End(SectionRange range) const;
    std::optional<SectionRange> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(SectionRange range, std::string_view key) const;
    void Replace(std::size_t at, std::size_t count, std::string_view with);
    void EndLastLine();
    void InsertLine(std::size_t at, std::string_view line);

    bool bom_ = false;
    std::string text_;
    std::vector<Entry> entries_;     // section and key lines, in order
    std::string_view eol_ = "\r\n";  // for lines we add; a new file gets Windows' CRLF
};
