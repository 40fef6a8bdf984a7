#pragma once
// quorvane.ini on Linux: one INI file with the lookup and editing rules of the Windows
// profile-file calls, written atomically so that a crash never leaves half a file.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ProfileFile.h"

class LinuxProfileFile final : public ProfileFile {
public:
    // The settings file at SettingsFilePath(), taken when constructed.
    LinuxProfileFile();
    // Any INI file; its folder is created by the first write.
    explicit LinuxProfileFile(std::string path);

    std::optional<std::string> read(const std::string& section,
                                    const std::string& key) const override;
    bool write(const std::string& section, const std::string& key,
               const std::string& value) override;

    const std::string& path() const { return path_; }

    // A settings file larger than this is not ours: it reads as missing and is never rewritten.
    static constexpr std::uintmax_t kMaxFileSize = 64u * 1024u * 1024u;

private:
    std::string path_;
};
