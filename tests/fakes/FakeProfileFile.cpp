#include "fakes/FakeProfileFile.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

const FakeProfileFile::Entry* FakeProfileFile::find(const std::string& section,
                                                    const std::string& key) const {
    for (const Entry& entry : entries_)
        if (SameName(entry.section, section) && SameName(entry.key, key)) return &entry;
    return nullptr;
}

FakeProfileFile::Entry* FakeProfileFile::find(const std::string& section, const std::string& key) {
    return const_cast<Entry*>(std::as_const(*this).find(section, key));
}

void FakeProfileFile::set(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (Entry* entry = find(section, key))
        entry->value = value;
    else
        entries_.push_back({section, key, value});
}

std::optional<std::string> FakeProfileFile::read(const std::string& section,
                                                 const std::string& key) const {
    reads.push_back({section, key, {}});
    const Entry* entry = find(section, key);
    if (entry == nullptr) return std::nullopt;
    return Trimmed(entry->value);
}

bool FakeProfileFile::write(const std::string& section, const std::string& key,
                            const std::string& value) {
    writes.push_back({section, key, value});
    writesAlone += openBatches == 0;
    if (failWrites) return false;
    set(section, key, value);
    return true;
}
