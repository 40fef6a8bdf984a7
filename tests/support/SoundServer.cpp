#include "support/SoundServer.h"

#include <regex>
#include <sstream>

#include "support/Process.h"

namespace {

// Undoes the backslash quoting printf %q gives ordinary paths.
std::string Unescaped(const std::string& text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

}  // namespace

SoundServer::SoundServer(const std::string& script) : script_(script) {
    int status = -1;
    const std::string output =
        Capture({script_, "start", "--owner", std::to_string(getpid())}, &status, true);
    std::string pulseServer;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        // "export VAR=value" with the value quoted for the shell by printf %q.
        if (line.starts_with("export ")) line = Unescaped(line.substr(7));
        const size_t eq = line.find('=');
        const std::string key = line.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : line.substr(eq + 1);
        if (key == "PULSE_SERVER") {
            pulseServer = value;
        } else if (key == "QUORVANE_SOUND_DIR") {
            dir_ = value;
        } else if (key == "QUORVANE_SOUND_SINK") {
            sink_ = value;
        } else if (key != "SOUND_SERVER_STOP") {
            failure_ += line + "\n";
        }
    }
    if (status != 0 || pulseServer.empty() || dir_.empty()) {
        if (failure_.empty())
            failure_ = "sound-server failed with status " + std::to_string(status);
        dir_.clear();
        return;
    }
    pulseServer_.emplace("PULSE_SERVER", pulseServer);
}

SoundServer::~SoundServer() {
    if (!Running()) return;
    Capture({script_, "stop", dir_});
}

std::optional<int> SoundServer::SinkVolumePercent() const {
    const std::string text = Capture({"pactl", "get-sink-volume", sink_});
    std::smatch match;
    static const std::regex percent(R"(/\s*(\d+)%)");
    if (!std::regex_search(text, match, percent)) return std::nullopt;
    return std::stoi(match[1].str());
}

bool SoundServer::SetSinkVolumePercent(int percent) const {
    int status = -1;
    Capture({"pactl", "set-sink-volume", sink_, std::to_string(percent) + "%"}, &status);
    return status == 0;
}
