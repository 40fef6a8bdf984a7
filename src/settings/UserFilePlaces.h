#pragma once
// Where the program's files go. Settings: one file per user, seeded once from where the
// program kept it before (the Windows folder, or its VirtualStore copy), which is only
// read. The log and the history file: the working folder when a file can be made there,
// else the program's local folder, so that a start from a read-only folder (the program's
// own under Program Files) still keeps them.

#include <string>
#include <vector>

#include "platform/UserFolders.h"

inline constexpr char kSettingsFileName[] = "quorvane.ini";

struct SettingsPlace {
    std::string path;         // the file to read and write
    std::string seededFrom;   // the older file copied there at this start, if any
    bool seedFailed = false;  // an older file was found but could not be copied
};

// The older files, most recent first: the VirtualStore copy, then the Windows folder's.
std::vector<std::string> LegacySettingsFiles(UserFolders& folders);
// Without a per-user folder the bare name, which the profile calls look for in the Windows
// folder.
SettingsPlace ChooseSettingsFile(UserFolders& folders);

// `name` as it is when it is absolute or a file can be created in the working folder;
// otherwise in the program's local folder (created here), or as it is where there is none.
// Without folders (tests of the main window), `name` as it is.
std::string PlaceUserFile(UserFolders* folders, const std::string& name);

// "/x", "\x", "C:\x" and "C:/x" are absolute on either system.
bool IsAbsolutePath(const std::string& path);
// `folder` and `name` with the separator `folder` already uses ('\' after a drive letter).
std::string JoinPath(const std::string& folder, const std::string& name);
