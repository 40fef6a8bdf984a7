#pragma once
// A private PulseAudio (scripts/sound-server) with the given null sinks, the first the
// default, named by PULSE_SERVER while the object lives, so ALSA's "default" reaches it
// too; pactl reads and sets what the desktop would.

#include <unistd.h>

#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "meter-sim/SinkFollower.h"
#include "support/Process.h"
#include "support/ScopedEnv.h"

class SoundServer {
public:
    // Each sink as NAME=DESCRIPTION.
    explicit SoundServer(const std::vector<std::string>& sinks) {
        std::string command = kScript + " start --owner " + std::to_string(::getpid());
        for (const std::string& sink : sinks) command += " --sink '" + sink + "'";
        std::istringstream exports(Shell(command));
        for (std::string line; std::getline(exports, line);) {
            if (const std::string name = line.substr(0, line.find('=') + 1);
                name == "export PULSE_SERVER=")
                server_.emplace("PULSE_SERVER", line.substr(name.size()));
            else if (name == "export QUORVANE_SOUND_DIR=")
                dir_ = line.substr(name.size());
        }
        if (!server_ || dir_.empty()) throw std::runtime_error("the sound server did not start");
    }
    ~SoundServer() { Shell(kScript + " stop " + dir_); }
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // What pactl prints for these arguments.
    std::string Pactl(const std::string& arguments) const { return Shell("pactl " + arguments); }
    // The first channel's volume in percent, as the desktop shows it; `kind` is sink or
    // source.
    std::optional<int> Volume(const std::string& name, const std::string& kind = "sink") const {
        return SinkVolumeFromPactl(Pactl("get-" + kind + "-volume " + name));
    }
    // Stops or resumes the server's process, as a hung server would be.
    void Freeze(bool frozen) const {
        Shell(std::string("kill -") + (frozen ? "STOP" : "CONT") + " \"$(cat " + dir_ + "/pid)\"");
    }

private:
    inline static const std::string kScript = QUORVANE_SOUND_SERVER;

    std::string dir_;
    std::optional<ScopedEnv> server_;
};
