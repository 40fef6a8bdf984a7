#include "platform/linux/ConfigPaths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

std::string HomeDir() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return home;
    // Services and sudo may run without HOME; the password database still knows it.
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return ".";
}

}  // namespace

std::string QuorvaneConfigDir() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base =
        (xdg != nullptr && xdg[0] == '/') ? std::string(xdg) : HomeDir() + "/.config";
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base + "/quorvane";
}

std::string SettingsFilePath() {
    return QuorvaneConfigDir() + "/quorvane.ini";
}
