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
    bool eolKnown = false;
    lines_.reserve(static_cast<std::size_t>(std::ranges::count(content, '\n')) + 1);
    while (!content.empty()) {
        const std::size_t nl = content.find('\n');
        const bool crlf = nl != content.npos && nl > 0 && content[nl - 1] == '\r';
        const Eol eol = nl == content.npos ? Eol::None : crlf ? Eol::CrLf : Eol::Lf;
        std::string text(content.substr(0, nl == content.npos ? nl : crlf ? nl - 1 : nl));
        const Kind kind = Classify(text).kind;
        if (kind == Kind::Section) sections_.push_back(lines_.size());
        lines_.push_back(Line{std::move(text), eol, kind});
        if (nl == content.npos) break;
        content.remove_prefix(nl + 1);
        if (!eolKnown) {
            eol_ = eol;
            eolKnown = true;
        }
    }
}

std::string IniDocument::Text() const {
    std::size_t size = bom_ ? kBom.size() : 0;
    for (const Line& line : lines_) size += line.text.size() + 2;
    std::string out;
    out.reserve(size);
    if (bom_) out += kBom;
    for (const Line& line : lines_) {
        out += line.text;
        if (line.eol == Eol::CrLf) out += "\r\n";
        if (line.eol == Eol::Lf) out += '\n';
    }
    return out;
}

std::optional<IniDocument::SectionRange> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        if (!SameName(Classify(lines_[sections_[s]].text).name, section)) continue;
        const std::size_t end = s + 1 < sections_.size() ? sections_[s + 1] : lines_.size();
        return SectionRange{sections_[s], end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(SectionRange range, std::string_view key) const {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (lines_[i].kind != Kind::Key) continue;
        const LineInfo info = Classify(lines_[i].text);
        if (info.kind == LineKind::Key && SameName(info.name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
    const auto range = FindSection(Trim(section));
    if (!range) return std::nullopt;
    const auto index = FindKey(*range, Trim(key));
    if (!index) return std::nullopt;
    std::string_view value = Classify(lines_[*index].text).value;
    // GetPrivateProfileString drops one pair of matching quotes around a value.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

void IniDocument::Insert(std::size_t at, std::string text) {
    const Kind kind = Classify(text).kind;
    for (std::size_t& header : sections_)
        if (header >= at) ++header;
    if (kind == Kind::Section)
        sections_.insert(std::upper_bound(sections_.begin(), sections_.end(), at), at);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                  Line{std::move(text), eol_, kind});
}

// A line we add after the file's last line must not run on from it.
void IniDocument::EndLastLine(std::size_t before) {
    if (before > 0 && lines_[before - 1].eol == Eol::None) lines_[before - 1].eol = eol_;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    value = Trim(value);
    if (const auto range = FindSection(section)) {
        if (const auto index = FindKey(*range, key)) {
            // Only the value changes: the key keeps its spelling and its spacing.
            std::string& text = lines_[*index].text;
            const std::size_t start = Classify(text).valueStart;
            if (std::string_view(text).substr(start) == value) return false;
            text.replace(start, text.npos, value);
            return true;
        }
        // After the section's last non-blank line, so a blank line before the next
        // section stays where it is.
        std::size_t at = range->end;
        while (at > range->header + 1 && Trim(lines_[at - 1].text).empty()) --at;
        EndLastLine(at);
        Insert(at, std::string(key).append("=").append(value));
        return true;
    }
    if (!lines_.empty()) {
        EndLastLine(lines_.size());
        if (!Trim(lines_.back().text).empty()) Insert(lines_.size(), "");
    }
    Insert(lines_.size(), std::string("[").append(section).append("]"));
    Insert(lines_.size(), std::string(key).append("=").append(value));
    return true;
}

bool IniDocument::CanWrite(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view s = Trim(section);
    const std::string_view k = Trim(key);
    return !s.empty() && !k.empty() && s.find(']') == s.npos && k.find('=') == k.npos &&
           k.front() != '[' && k.front() != ';' && !HasLineBreak(section) && !HasLineBreak(key) &&
           !HasLineBreak(value);
}
