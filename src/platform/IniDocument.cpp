#include "platform/IniDocument.h"

#include <algorithm>

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

using LineKind = IniDocument::Kind;

struct LineInfo {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
    std::size_t valueStart = 0;  // where the value begins in the line, for replacing it
};

// Windows' reading of a line: "[name]" opens a section, ";" starts a comment, and anything
// else with an '=' is a key; the rest is kept but never matches.
LineInfo Classify(std::string_view text) {
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
    info.name = Trim(text.substr(0, eq));
    std::size_t start = eq + 1;
    while (start < text.size() && IsBlank(text[start])) ++start;
    info.valueStart = start;
    info.value = Trim(text.substr(start));
    return info;
}

}  // namespace

IniDocument::IniDocument(std::string_view content) {
    if (content.substr(0, kBom.size()) == kBom) {
        bom_ = true;
        content.remove_prefix(kBom.size());
    }
    text_ = content;
    if (const std::size_t nl = text_.find('\n'); nl != text_.npos)
        eol_ = nl > 0 && text_[nl - 1] == '\r' ? "\r\n" : "\n";
    for (std::size_t start = 0; start < text_.size(); start = NextLine(start)) {
        const Kind kind = Classify(LineAt(start)).kind;
        if (kind != Kind::Other) entries_.push_back(Entry{start, kind});
    }
}

std::string IniDocument::Text() const {
    return bom_ ? std::string(kBom).append(text_) : text_;
}

std::string_view IniDocument::LineAt(std::size_t start) const {
    const std::string_view rest = std::string_view(text_).substr(start);
    const std::size_t nl = rest.find('\n');
    if (nl == rest.npos) return rest;
    return rest.substr(0, nl > 0 && rest[nl - 1] == '\r' ? nl - 1 : nl);
}

std::size_t IniDocument::NextLine(std::size_t start) const {
    const std::size_t nl = text_.find('\n', start);
    return nl == text_.npos ? text_.size() : nl + 1;
}

std::size_t IniDocument::LineBefore(std::size_t end) const {
    const std::size_t last = text_[end - 1] == '\n' ? end - 1 : end;
    const std::size_t nl = last == 0 ? text_.npos : text_.rfind('\n', last - 1);
    return nl == text_.npos ? 0 : nl + 1;
}

std::size_t IniDocument::End(SectionRange range) const {
    return range.next < entries_.size() ? entries_[range.next].start : text_.size();
}

std::optional<IniDocument::SectionRange> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t e = 0; e < entries_.size(); ++e) {
        if (entries_[e].kind != Kind::Section ||
            !SameName(Classify(LineAt(entries_[e].start)).name, section))
            continue;
        std::size_t next = e + 1;
        while (next < entries_.size() && entries_[next].kind != Kind::Section) ++next;
        return SectionRange{e, next};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(SectionRange range, std::string_view key) const {
    for (std::size_t e = range.header + 1; e < range.next; ++e)
        if (SameName(Classify(LineAt(entries_[e].start)).name, key)) return e;
    return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
    const auto range = FindSection(Trim(section));
    if (!range) return std::nullopt;
    const auto index = FindKey(*range, Trim(key));
    if (!index) return std::nullopt;
    std::string_view value = Classify(LineAt(entries_[*index].start)).value;
    // GetPrivateProfileString drops one pair of matching quotes around a value.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// Lines starting at or after `at` move with the text; an edit stays inside one line.
void IniDocument::Replace(std::size_t at, std::size_t count, std::string_view with) {
    text_.replace(at, count, with);
    for (Entry& entry : entries_)
        if (entry.start >= at) entry.start = entry.start + with.size() - count;
}

// A line we add after the file's last line must not run on from it.
void IniDocument::EndLastLine() {
    if (!text_.empty() && text_.back() != '\n') text_ += eol_;
}

void IniDocument::InsertLine(std::size_t at, std::string_view line) {
    if (at == text_.size()) {
        EndLastLine();
        at = text_.size();
    }
    Replace(at, 0, std::string(line).append(eol_));
    const Kind kind = Classify(line).kind;
    if (kind == Kind::Other) return;
    const auto place = std::ranges::lower_bound(entries_, at, {}, &Entry::start);
    entries_.insert(place, Entry{at, kind});
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    value = Trim(value);
    if (const auto range = FindSection(section)) {
        if (const auto index = FindKey(*range, key)) {
            // Only the value changes: the key keeps its spelling and its spacing.
            const std::size_t start = entries_[*index].start;
            const std::string_view line = LineAt(start);
            const std::size_t valueStart = Classify(line).valueStart;
            if (line.substr(valueStart) == value) return false;
            Replace(start + valueStart, line.size() - valueStart, value);
            return true;
        }
        // After the section's last non-blank line, so a blank line before the next
        // section stays where it is.
        const std::size_t first = NextLine(entries_[range->header].start);
        std::size_t at = End(*range);
        while (at > first && Trim(LineAt(LineBefore(at))).empty()) at = LineBefore(at);
        InsertLine(at, std::string(key).append("=").append(value));
        return true;
    }
    if (!text_.empty()) {
        EndLastLine();
        if (!Trim(LineAt(LineBefore(text_.size()))).empty()) InsertLine(text_.size(), "");
    }
    InsertLine(text_.size(), std::string("[").append(section).append("]"));
    InsertLine(text_.size(), std::string(key).append("=").append(value));
    return true;
}

bool IniDocument::CanWrite(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view s = Trim(section);
    const std::string_view k = Trim(key);
    return !s.empty() && !k.empty() && s.find(']') == s.npos && k.find('=') == k.npos &&
           k.front() != '[' && k.front() != ';' && !HasLineBreak(section) && !HasLineBreak(key) &&
           !HasLineBreak(value);
}
