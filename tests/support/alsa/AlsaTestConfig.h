#pragma once
// A temporary ALSA configuration whose "default" device is the test control device
// (ctl_qvtest.c), made current through ALSA_CONFIG_PATH for as long as the object lives.

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "support/ScopedEnv.h"

class AlsaTestConfig {
public:
    // `plugin`: where the test control device was built.
    explicit AlsaTestConfig(const std::string& plugin);
    ~AlsaTestConfig();
    AlsaTestConfig(const AlsaTestConfig&) = delete;
    AlsaTestConfig& operator=(const AlsaTestConfig&) = delete;

    // The test device's raw values (left, right) by control name.
    std::map<std::string, std::pair<long, long>> State() const;
    // Changes one control's values behind the program's back.
    void SetState(const std::string& control, long left, long right);

private:
    std::string dir_;
    std::optional<ScopedEnv> configPath_;
    std::optional<ScopedEnv> pulseServer_;
};
