#pragma once
// quorvane.ini through the Windows profile-file calls. A bare file name resolves to the
// Windows directory, as those calls do; a path is used as it is.

#include <optional>
#include <string>

#include "platform/ProfileFile.h"

class Win32ProfileFile final : public ProfileFile {
public:
    explicit Win32ProfileFile(std::string fileName = "quorvane.ini");

    std::optional<std::string> Read(const std::string& section,
                                    const std::string& key) const override;
    bool Write(const std::string& section, const std::string& key,
               const std::string& value) override;

private:
    std::string fileName_;
};
