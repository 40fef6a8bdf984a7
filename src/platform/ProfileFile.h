#pragma once
// One INI file read and written key by key, with Windows profile-file semantics:
// section and key names match without regard to case, values come back trimmed,
// and writing a key leaves the rest of the file as it was.

#include <optional>
#include <string>

class ProfileFile {
public:
    virtual ~ProfileFile() = default;
    // The key's value, or nothing when the file, the section or the key is missing.
    virtual std::optional<std::string> read(const std::string& section,
                                            const std::string& key) const = 0;
    // Creates the file, section or key as needed. False when the file cannot be written.
    virtual bool write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};
