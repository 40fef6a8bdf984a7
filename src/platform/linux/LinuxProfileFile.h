#pragma once
// quorvane.ini on Linux: one INI file with the lookup and editing rules of the Windows
// profile-file calls, written atomically so that a crash never leaves half a file.

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/IniDocument.h"
#include "platform/ProfileFile.h"

class LinuxProfileFile final : public ProfileFile {
public:
    // The settings file at SettingsFilePath(), taken when constructed.
    LinuxProfileFile();
    // Any INI file; its folder is created by the first write.
    explicit LinuxProfileFile(std::string path);

    std::optional<std::string> Read(const std::string& section,
                                    const std::string& key) const override;
    bool Write(const std::string& section, const std::string& key,
               const std::string& value) override;
    void BeginBatch() override;
    bool EndBatch() override;

    // A settings file larger than this is not ours (hand-made, or something else under
    // our name): it reads as missing, is never rewritten, and says so on stderr.
    static constexpr std::uintmax_t kMaxFileSize = 1024u * 1024u;

private:
    enum class Load { Missing, Loaded, TooLarge, Failed };
    // One reading of the file: where the path's links lead, and what was found there.
    struct Snapshot {
        std::string target;
        Load load = Load::Missing;
        struct stat info {};
        IniDocument doc;
        bool changed = false;
    };
    static Load ReadAll(const std::string& path, std::string& content);
    Snapshot Take() const;
    bool Save(const Snapshot& snapshot) const;

    std::string path_;
    int batchDepth_ = 0;
    std::optional<Snapshot> batch_;
    mutable bool toldTooLarge_ = false;
};
