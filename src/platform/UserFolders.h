#pragma once
// The folders where the operator's own files go, and the few file operations that choosing
// them needs. Paths are UTF-8 throughout; the Windows implementation passes them on as
// wide characters.

#include <string>

class UserFolders {
public:
    enum class Known { RoamingAppData, LocalAppData, Windows };

    virtual ~UserFolders() = default;
    // The system's folder, without a trailing separator; empty where the system has none.
    virtual std::string KnownFolderPath(Known folder) = 0;
    // The program's own folder inside `folder` (where its settings or its local files go);
    // empty where the program keeps nothing there.
    virtual std::string ProgramFolder(Known folder) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Creates the folder and any missing parents; true when it exists afterwards.
    virtual bool CreateDirectory(const std::string& path) = 0;
    // Never over an existing file; the source is only read.
    virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
    // Whether a new file can be created in the folder now (an empty name: the working folder).
    virtual bool CanCreateFileIn(const std::string& folder) = 0;
};
