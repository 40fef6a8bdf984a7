#include "support/alsa/AlsaTestConfig.h"

#include <alsa/asoundlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

const char kDirToken[] = "@DIR@";

std::string SystemConfig() {
    return "<" + std::string(snd_config_topdir()) + "/alsa.conf>\n";
}

}  // namespace

std::unique_ptr<AlsaTestConfig> AlsaTestConfig::TestMixer(const std::string& plugin,
                                                          bool failList) {
    const std::string text = SystemConfig() + "ctl_type.qvtest { lib \"" + plugin + "\" }\n" +
                             "ctl.!default { type qvtest state \"" + kDirToken +
                             "/state\" fail_list " + (failList ? "true" : "false") + " }\n";
    return std::unique_ptr<AlsaTestConfig>(new AlsaTestConfig(text, true));
}

std::unique_ptr<AlsaTestConfig> AlsaTestConfig::Pulse() {
    const std::string text = SystemConfig() + "ctl.!default { type pulse }\n";
    return std::unique_ptr<AlsaTestConfig>(new AlsaTestConfig(text, false));
}

std::unique_ptr<AlsaTestConfig> AlsaTestConfig::Empty() {
    return std::unique_ptr<AlsaTestConfig>(
        new AlsaTestConfig("# no devices defined at all\n", true));
}

AlsaTestConfig::AlsaTestConfig(const std::string& text, bool hideSoundServer) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-alsa.XXXXXX");
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    dir_ = pattern;
    statePath_ = dir_ + "/state";

    std::string config = text;
    for (size_t at = config.find(kDirToken); at != std::string::npos; at = config.find(kDirToken)) {
        config.replace(at, sizeof(kDirToken) - 1, dir_);
    }
    std::ofstream(dir_ + "/asound.conf") << config;

    configPath_.emplace("ALSA_CONFIG_PATH", dir_ + "/asound.conf");
    // The system configuration makes "default" the pulse plugin whenever a sound server
    // answers; pointing libpulse at a socket that does not exist keeps the desktop's
    // server (and its volume) out of these tests.
    if (hideSoundServer) pulseServer_.emplace("PULSE_SERVER", "unix:" + dir_ + "/no-server");
}

AlsaTestConfig::~AlsaTestConfig() {
    // Drops ALSA's cached configuration, which still names this folder's files.
    snd_config_update_free_global();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

bool AlsaTestConfig::MachineHasSoundCard() {
    int card = -1;
    return snd_card_next(&card) == 0 && card >= 0;
}

std::map<std::string, std::pair<long, long>> AlsaTestConfig::ReadState() const {
    std::map<std::string, std::pair<long, long>> state;
    std::ifstream in(statePath_);
    std::string line;
    while (std::getline(in, line)) {
        const size_t eq = line.find('=');
        const size_t comma = line.find(',', eq);
        if (eq == std::string::npos || comma == std::string::npos) continue;
        state[line.substr(0, eq)] = {std::stol(line.substr(eq + 1, comma - eq - 1)),
                                     std::stol(line.substr(comma + 1))};
    }
    return state;
}

std::optional<std::pair<long, long>> AlsaTestConfig::State(const std::string& control) const {
    const auto state = ReadState();
    const auto it = state.find(control);
    if (it == state.end()) return std::nullopt;
    return it->second;
}

void AlsaTestConfig::SetState(const std::string& control, long left, long right) {
    auto state = ReadState();
    state[control] = {left, right};
    std::ostringstream text;
    for (const auto& [name, values] : state)
        text << name << '=' << values.first << ',' << values.second << '\n';
    const std::string temporary = statePath_ + ".test";
    std::ofstream(temporary) << text.str();
    std::filesystem::rename(temporary, statePath_);
}
