#pragma once
// The user's known folders through SHGetKnownFolderPath; the program's own are "Quorvane"
// inside them. Files through the wide-character calls.

#include "platform/UserFolders.h"

class Win32UserFolders final : public UserFolders {
public:
    std::string KnownFolderPath(Known folder) override;
    std::string ProgramFolder(Known folder) override;
    bool FileExists(const std::string& path) override;
    bool CreateDirectory(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    bool CanCreateFileIn(const std::string& folder) override;
};
