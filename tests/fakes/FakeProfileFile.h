#pragma once
// An in-memory settings file that records every read and write in order.

#include <optional>
#include <string>
#include <vector>

#include "platform/ProfileFile.h"

class FakeProfileFile final : public ProfileFile {
public:
    struct Access {
        std::string section;
        std::string key;
        std::string value;  // empty for reads
        bool operator==(const Access&) const = default;
    };

    // Puts a value in the file without counting it as a write.
    void set(const std::string& section, const std::string& key, const std::string& value);
    // Names match without regard to case and values come back trimmed, as the real file does.
    std::optional<std::string> read(const std::string& section,
                                    const std::string& key) const override;
    // Recorded even when failWrites makes it fail; a failed write changes nothing.
    bool write(const std::string& section, const std::string& key,
               const std::string& value) override;

    void beginBatch() override { ++openBatches; }
    bool endBatch() override {
        batchesEnded += --openBatches == 0;
        return !failWrites;
    }

    mutable std::vector<Access> reads;
    std::vector<Access> writes;
    bool failWrites = false;
    int openBatches = 0;
    int batchesEnded = 0;  // outermost ones: each a replace of the real file
    int writesAlone = 0;   // writes outside any batch: a replace each

private:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    Entry* find(const std::string& section, const std::string& key);
    const Entry* find(const std::string& section, const std::string& key) const;

    std::vector<Entry> entries_;
};
