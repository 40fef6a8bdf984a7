#pragma once
// A private PulseAudio with one null sink for the length of a test, started through
// scripts/sound-server. While it runs, PULSE_SERVER in this process points at it, so
// libpulse, pactl and ALSA's pulse plugin all reach it and nothing else.

#include <optional>
#include <string>

#include "support/ScopedEnv.h"

class SoundServer {
public:
    // `script` is the path of scripts/sound-server.
    explicit SoundServer(const std::string& script);
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    bool Running() const { return !dir_.empty(); }
    // Why the server is not running (the script's own words).
    const std::string& Failure() const { return failure_; }
    const std::string& Sink() const { return sink_; }

    // The null sink's volume in percent as pactl reports it (first channel).
    std::optional<int> SinkVolumePercent() const;
    bool SetSinkVolumePercent(int percent) const;

private:
    std::string script_;
    std::string dir_;
    std::string sink_;
    std::string failure_;
    std::optional<ScopedEnv> pulseServer_;
};
