#pragma once
// Known folders and files in memory; each call that could change a file is recorded
// ("mkdir PATH", "copy FROM > TO"), so a test sees that the older files are only read.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/UserFolders.h"

class FakeUserFolders final : public UserFolders {
public:
    std::string KnownFolderPath(Known folder) override { return known[folder]; }
    std::string ProgramFolder(Known folder) override {
        return known[folder].empty() || folder == Known::Windows ? ""
                                                                 : known[folder] + "\\Quorvane";
    }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    bool CreateDirectory(const std::string& path) override {
        return changes.push_back("mkdir " + path), !failMkdir;
    }
    bool CopyFile(const std::string& from, const std::string& to) override {
        changes.push_back("copy " + from + " > " + to);
        return !failCopy && files.count(from) && files.emplace(to, files[from]).second;
    }
    bool CanCreateFileIn(const std::string& folder) override { return !readOnly.count(folder); }

    std::map<Known, std::string> known{{Known::RoamingAppData, "C:\\Users\\Ann\\AppData\\Roaming"},
                                       {Known::LocalAppData, "C:\\Users\\Ann\\AppData\\Local"},
                                       {Known::Windows, "C:\\Windows"}};
    std::map<std::string, std::string> files;  // path: content
    std::set<std::string> readOnly;            // "" for the working folder
    bool failMkdir = false, failCopy = false;
    std::vector<std::string> changes;
};
