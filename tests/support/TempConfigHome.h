#pragma once
// A private XDG_CONFIG_HOME for one test: a fresh temporary folder that the program's
// settings path points into while the object lives. The old value comes back and the
// folder is removed when it goes.

#include <optional>
#include <string>

#include "support/ScopedEnv.h"

// A file's bytes; empty when it cannot be read.
std::string FileText(const std::string& path);

class TempConfigHome {
public:
    TempConfigHome();
    ~TempConfigHome();
    TempConfigHome(const TempConfigHome&) = delete;
    TempConfigHome& operator=(const TempConfigHome&) = delete;

    // The folder XDG_CONFIG_HOME names.
    const std::string& Root() const { return root_; }
    // Where the settings file and the dosdevices links live.
    std::string ConfigDir() const { return root_ + "/quorvane"; }
    std::string SettingsPath() const { return ConfigDir() + "/quorvane.ini"; }

    // Writes the settings file byte for byte, creating its folder.
    void WriteSettings(const std::string& content) const;
    // The settings file's bytes; empty when it does not exist.
    std::string ReadSettings() const { return FileText(SettingsPath()); }

private:
    std::string root_;
    std::optional<ScopedEnv> env_;
};
