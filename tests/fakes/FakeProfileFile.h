#pragma once
// An in-memory settings file that records every write in order.

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "platform/ProfileFile.h"

class FakeProfileFile final : public ProfileFile {
public:
    struct Access {
        std::string section, key;
        std::string value;
        bool operator==(const Access&) const = default;
    };

    // Puts a value in the file without counting it as a write.
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        if (Access* entry = Find(section, key))
            entry->value = value;
        else
            entries_.push_back({section, key, value});
    }
    // Names match without regard to case and values come back trimmed, as the real file does.
    std::optional<std::string> Read(const std::string& section,
                                    const std::string& key) const override {
        const Access* entry = const_cast<FakeProfileFile*>(this)->Find(section, key);
        if (entry == nullptr) return std::nullopt;
        const auto first = entry->value.find_first_not_of(" \t");
        if (first == std::string::npos) return "";
        return entry->value.substr(first, entry->value.find_last_not_of(" \t") - first + 1);
    }
    // Recorded even when failWrites makes it fail; a failed write changes nothing.
    bool Write(const std::string& section, const std::string& key,
               const std::string& value) override {
        writes.push_back({section, key, value});
        writesAlone += openBatches == 0;
        if (!failWrites) Set(section, key, value);
        return !failWrites;
    }
    void BeginBatch() override { ++openBatches; }
    bool EndBatch() override {
        batchesEnded += --openBatches == 0;
        return !failWrites && !failReplace;
    }

    std::vector<Access> writes;
    bool failWrites = false;
    bool failReplace = false;  // the batch's end cannot put the new file in place
    int openBatches = 0;
    int batchesEnded = 0;  // outermost ones: each a replace of the real file
    int writesAlone = 0;   // writes outside any batch: a replace each

private:
    static bool SameName(const std::string& a, const std::string& b) {
        return std::equal(
            a.begin(), a.end(), b.begin(), b.end(),
            [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
    }
    Access* Find(const std::string& section, const std::string& key) {
        for (Access& entry : entries_)
            if (SameName(entry.section, section) && SameName(entry.key, key)) return &entry;
        return nullptr;
    }

    std::vector<Access> entries_;
};
