#pragma once
// An in-memory settings file that records every write in order, values as written, blanks
// included. Names match exactly: the program reads and writes a key under one spelling.

#include <optional>
#include <string>
#include <vector>

#include "platform/ProfileFile.h"

class FakeProfileFile final : public ProfileFile {
public:
    struct Access {
        std::string section, key, value;
        bool stored = true;  // false: failed, and not read back
        bool operator==(const Access&) const = default;
    };

    std::optional<std::string> Read(const std::string& section,
                                    const std::string& key) const override {
        for (auto entry = writes.rbegin(); entry != writes.rend(); ++entry)
            if (entry->stored && entry->section == section && entry->key == key)
                return entry->value;
        return std::nullopt;
    }
    // Recorded even when failWrites makes it fail; a failed write changes nothing.
    bool Write(const std::string& section, const std::string& key,
               const std::string& value) override {
        writes.push_back({section, key, value, !failWrites});
        return !failWrites;
    }
    bool EndBatch() override {
        ++batchesEnded;
        return !failWrites && !failReplace;
    }

    std::vector<Access> writes;
    bool failWrites = false;
    bool failReplace = false;  // the batch's end cannot put the new file in place
    int batchesEnded = 0;      // each a replace of the real file
};
