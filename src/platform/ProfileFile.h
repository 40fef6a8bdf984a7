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
    virtual std::optional<std::string> Read(const std::string& section,
                                            const std::string& key) const = 0;
    // Creates the file, section or key as needed. False when the file cannot be written.
    virtual bool Write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;

    // Between the two, the file is read once and written at most once: reads and writes
    // use one copy in memory, and EndBatch puts every change in place together, so that
    // an interrupted save leaves the old file or the new one, never a mixture. Batches
    // nest; the outermost one writes. EndBatch is false when the file could not be
    // written. Where the platform's own calls already do this, both do nothing.
    virtual void BeginBatch() {}
    virtual bool EndBatch() { return true; }
};

// A batch for one scope: Commit() ends it and gives EndBatch's answer; otherwise it ends
// when the scope does.
class ProfileBatch {
public:
    explicit ProfileBatch(ProfileFile& file) : file_(file) { file_.BeginBatch(); }
    ~ProfileBatch() {
        if (open_) file_.EndBatch();
    }
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    bool Commit() {
        if (!open_) return true;
        open_ = false;
        return file_.EndBatch();
    }

private:
    ProfileFile& file_;
    bool open_ = true;
};
