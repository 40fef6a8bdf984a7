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
    enum class Eol : std::uint8_t { None, Lf, CrLf };
    // One line without its terminator, which is kept apart so that untouched lines are
    // written back as they were, whatever mix of CRLF and LF the file has.
    struct Line {
        std::string text;
        Eol eol;
        Kind kind;  // kept so that a lookup skips blank lines and comments at a glance
    };
    struct SectionRange {
        std::size_t header;
        std::size_t end;
    };

    std::optional<SectionRange> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(SectionRange range, std::string_view key) const;
    void EndLastLine(std::size_t before);
    void Insert(std::size_t at, std::string text);

    bool bom_ = false;
    std::vector<Line> lines_;
    std::vector<std::size_t> sections_;  // the section headers' lines, in order
    Eol eol_ = Eol::CrLf;                // for lines we add; a new file gets Windows' CRLF
};
