#include "platform/linux/LinuxUserFolders.h"

#include <unistd.h>

#include <filesystem>

#include "platform/linux/ConfigPaths.h"

namespace fs = std::filesystem;

std::string LinuxUserFolders::KnownFolderPath(Known folder) {
    return folder == Known::RoamingAppData ? fs::path(QuorvaneConfigDir()).parent_path().string()
                                           : std::string();
}

std::string LinuxUserFolders::ProgramFolder(Known folder) {
    return folder == Known::RoamingAppData ? QuorvaneConfigDir() : std::string();
}

bool LinuxUserFolders::FileExists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool LinuxUserFolders::CreateDirectory(const std::string& path) {
    std::error_code error;
    fs::create_directories(path, error);
    return fs::is_directory(path, error);
}

bool LinuxUserFolders::CopyFile(const std::string& from, const std::string& to) {
    std::error_code error;
    return fs::copy_file(from, to, fs::copy_options::none, error);
}

bool LinuxUserFolders::CanCreateFileIn(const std::string& folder) {
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
}
