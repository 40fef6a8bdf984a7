#pragma once
// Linux keeps the settings in $XDG_CONFIG_HOME/quorvane and has no Windows folder to seed
// them from; the log and the history file stay where they are named (the working folder).

#include "platform/UserFolders.h"

class LinuxUserFolders final : public UserFolders {
public:
    std::string KnownFolderPath(Known folder) override;
    std::string ProgramFolder(Known folder) override;
    bool FileExists(const std::string& path) override;
    bool CreateDirectory(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    bool CanCreateFileIn(const std::string& folder) override;
};
