#pragma once
// A temporary ALSA configuration, made current through ALSA_CONFIG_PATH for as long as
// the object lives, so a test decides what ALSA's "default" device is.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "support/ScopedEnv.h"

class AlsaTestConfig {
public:
    // The system configuration with the test control device (ctl_qvtest.c, built at
    // `plugin`) as "default". With failList the device opens but its controls cannot be
    // listed, so a mixer cannot load.
    static std::unique_ptr<AlsaTestConfig> TestMixer(const std::string& plugin,
                                                     bool failList = false);
    // The system configuration with ALSA's pulse plugin as "default".
    static std::unique_ptr<AlsaTestConfig> Pulse();
    // A configuration that defines nothing: no "default" device.
    static std::unique_ptr<AlsaTestConfig> Empty();

    ~AlsaTestConfig();
    AlsaTestConfig(const AlsaTestConfig&) = delete;
    AlsaTestConfig& operator=(const AlsaTestConfig&) = delete;

    // Whether ALSA sees any hardware card here, which no configuration can hide.
    static bool MachineHasSoundCard();

    // The test device's raw values of one control (left, right).
    std::optional<std::pair<long, long>> State(const std::string& control) const;
    // Changes one control's values behind the program's back.
    void SetState(const std::string& control, long left, long right);

private:
    explicit AlsaTestConfig(const std::string& text, bool hideSoundServer);
    std::map<std::string, std::pair<long, long>> ReadState() const;

    std::string dir_;
    std::string statePath_;
    std::optional<ScopedEnv> configPath_;
    std::optional<ScopedEnv> pulseServer_;
};
