#include "support/SoundServer.h"

#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <regex>
#include <sstream>

namespace {

// Runs a shell command; its standard output, and its exit status in `status`.
std::string Run(const std::string& command, int& status) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        status = -1;
        return output;
    }
    char buffer[512];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof(buffer), pipe)) > 0) output.append(buffer, n);
    const int raw = pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return output;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

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
    int status = 0;
    const std::string output =
        Run(Quoted(script_) + " start --owner " + std::to_string(getpid()) + " 2>&1", status);
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
    if (!running()) return;
    int status = 0;
    Run(Quoted(script_) + " stop " + Quoted(dir_) + " 2>&1", status);
}

std::optional<int> SoundServer::sinkVolumePercent() const {
    int status = 0;
    const std::string text = Run("pactl get-sink-volume " + Quoted(sink_) + " 2>/dev/null", status);
    std::smatch match;
    static const std::regex percent(R"(/\s*(\d+)%)");
    if (!std::regex_search(text, match, percent)) return std::nullopt;
    return std::stoi(match[1].str());
}

bool SoundServer::setSinkVolumePercent(int percent) const {
    int status = 0;
    Run("pactl set-sink-volume " + Quoted(sink_) + " " + std::to_string(percent) + "% 2>/dev/null",
        status);
    return status == 0;
}
