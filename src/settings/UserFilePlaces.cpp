#include "settings/UserFilePlaces.h"

namespace {

bool HasDriveLetter(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

}  // namespace

bool IsAbsolutePath(const std::string& path) {
    if (HasDriveLetter(path)) return path.size() > 2 && (path[2] == '\\' || path[2] == '/');
    return !path.empty() && (path[0] == '/' || path[0] == '\\');
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char separator =
        HasDriveLetter(folder) || folder.find('\\') != std::string::npos ? '\\' : '/';
    const char last = folder.back();
    return last == '\\' || last == '/' ? folder + name : folder + separator + name;
}

std::vector<std::string> LegacySettingsFiles(UserFolders& folders) {
    using Known = UserFolders::Known;
    const std::string windows = folders.KnownFolderPath(Known::Windows);
    if (windows.empty()) return {};
    std::vector<std::string> files;
    // File virtualization keeps a 32-bit program's writes to C:\Windows in
    // %LOCALAPPDATA%\VirtualStore\Windows: the folder's path without its drive.
    const std::string local = folders.KnownFolderPath(Known::LocalAppData);
    if (!local.empty())
        files.push_back(JoinPath(JoinPath(local, "VirtualStore") +
                                     (HasDriveLetter(windows) ? windows.substr(2) : windows),
                                 kSettingsFileName));
    files.push_back(JoinPath(windows, kSettingsFileName));
    return files;
}

SettingsPlace ChooseSettingsFile(UserFolders& folders) {
    const std::string folder = folders.ProgramFolder(UserFolders::Known::RoamingAppData);
    if (folder.empty()) return {kSettingsFileName};
    SettingsPlace place{JoinPath(folder, kSettingsFileName)};
    if (folders.FileExists(place.path)) return place;
    // The profile calls create the file but not its folder.
    const bool folderMade = folders.CreateDirectory(folder);
    for (const std::string& legacy : LegacySettingsFiles(folders)) {
        if (!folders.FileExists(legacy)) continue;
        if (folderMade && folders.CopyFile(legacy, place.path))
            place.seededFrom = legacy;
        else
            place.seedFailed = true;
        break;
    }
    return place;
}

std::string PlaceUserFile(UserFolders* folders, const std::string& name) {
    if (!folders || name.empty() || IsAbsolutePath(name) || folders->CanCreateFileIn(""))
        return name;
    const std::string folder = folders->ProgramFolder(UserFolders::Known::LocalAppData);
    if (folder.empty() || !folders->CreateDirectory(folder)) return name;
    return JoinPath(folder, name);
}
