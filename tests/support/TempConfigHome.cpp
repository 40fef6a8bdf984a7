#include "support/TempConfigHome.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

TempConfigHome::TempConfigHome() {
    std::string pattern = (fs::temp_directory_path() / "quorvane-config-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary config folder from " << pattern;
        return;
    }
    root_ = pattern;
    env_.emplace("XDG_CONFIG_HOME", root_);
}

TempConfigHome::~TempConfigHome() {
    if (root_.empty()) return;
    // Tests may leave read-only folders behind; open them up so that removal succeeds.
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root_, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_directory(error) && !it->is_symlink(error))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(root_, error);
}

std::string TempConfigHome::ConfigDir() const {
    return root_ + "/quorvane";
}

std::string TempConfigHome::SettingsPath() const {
    return ConfigDir() + "/quorvane.ini";
}

void TempConfigHome::WriteSettings(const std::string& content) const {
    std::error_code error;
    fs::create_directories(ConfigDir(), error);
    std::ofstream out(SettingsPath(), std::ios::binary | std::ios::trunc);
    out << content;
    if (!out.flush()) ADD_FAILURE() << "cannot write " << SettingsPath();
}

std::string TempConfigHome::ReadSettings() const {
    std::ifstream in(SettingsPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
