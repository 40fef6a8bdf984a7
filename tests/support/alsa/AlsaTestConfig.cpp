#include "support/alsa/AlsaTestConfig.h"

#include <alsa/asoundlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

AlsaTestConfig::AlsaTestConfig(const std::string& plugin) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-alsa.XXXXXX");
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    dir_ = pattern;
    std::ofstream(dir_ + "/asound.conf")
        << "<" << snd_config_topdir() << "/alsa.conf>\nctl_type.qvtest { lib \"" << plugin
        << "\" }\nctl.!default { type qvtest state \"" << dir_ << "/state\" }\n";
    configPath_.emplace("ALSA_CONFIG_PATH", dir_ + "/asound.conf");
    // The system configuration makes "default" the pulse plugin whenever a sound server
    // answers; pointing libpulse at a socket that does not exist keeps the desktop's
    // server (and its volume) out of these tests.
    pulseServer_.emplace("PULSE_SERVER", "unix:" + dir_ + "/no-server");
}

AlsaTestConfig::~AlsaTestConfig() {
    // Drops ALSA's cached configuration, which still names this folder's files.
    snd_config_update_free_global();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::map<std::string, std::pair<long, long>> AlsaTestConfig::State() const {
    std::map<std::string, std::pair<long, long>> state;
    std::ifstream in(dir_ + "/state");
    for (std::string line; std::getline(in, line);) {
        const size_t eq = line.find('=');
        const size_t comma = line.find(',', eq);
        if (eq == std::string::npos || comma == std::string::npos) continue;
        state[line.substr(0, eq)] = {std::stol(line.substr(eq + 1, comma - eq - 1)),
                                     std::stol(line.substr(comma + 1))};
    }
    return state;
}

void AlsaTestConfig::SetState(const std::string& control, long left, long right) {
    auto state = State();
    state[control] = {left, right};
    std::ostringstream text;
    for (const auto& [name, values] : state)
        text << name << '=' << values.first << ',' << values.second << '\n';
    std::ofstream(dir_ + "/state.test") << text.str();
    std::filesystem::rename(dir_ + "/state.test", dir_ + "/state");
}
