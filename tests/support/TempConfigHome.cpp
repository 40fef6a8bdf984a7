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
    std::error_code error;
    if (!root_.empty()) fs::remove_all(root_, error);
}

void TempConfigHome::WriteSettings(const std::string& content) const {
    std::error_code error;
    fs::create_directories(ConfigDir(), error);
    std::ofstream out(SettingsPath(), std::ios::binary | std::ios::trunc);
    out << content;
    if (!out.flush()) ADD_FAILURE() << "cannot write " << SettingsPath();
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
