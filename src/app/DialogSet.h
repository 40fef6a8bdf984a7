#pragma once
// The eleven dialogs the pop-up menu shows, created once start-up has succeeded and gone
// before the main window's shutdown save.

#include <memory>

#include "dialogs/AboutDialog.h"
#include "dialogs/GainDialog.h"
#include "dialogs/MqttDialog.h"
#include "dialogs/NoiseThresholdDialog.h"
#include "dialogs/PortDialog.h"
#include "dialogs/PowerLimitDialog.h"
#include "dialogs/RefreshRateDialog.h"
#include "dialogs/ShowPowerDialog.h"
#include "dialogs/SoundCardDialog.h"
#include "dialogs/TargetImdDialog.h"
#include "dialogs/TestSoundCardDialog.h"

struct DialogSet {
    std::unique_ptr<PortDialog> portDialog = std::make_unique<PortDialog>();
    std::unique_ptr<RefreshRateDialog> refreshRateDialog = std::make_unique<RefreshRateDialog>();
    std::unique_ptr<AboutDialog> aboutDialog = std::make_unique<AboutDialog>();
    std::unique_ptr<GainDialog> gainDialog = std::make_unique<GainDialog>();
    std::unique_ptr<TargetImdDialog> targetImdDialog = std::make_unique<TargetImdDialog>();
    std::unique_ptr<NoiseThresholdDialog> noiseThresholdDialog =
        std::make_unique<NoiseThresholdDialog>();
    std::unique_ptr<PowerLimitDialog> powerLimitDialog = std::make_unique<PowerLimitDialog>();
    std::unique_ptr<SoundCardDialog> soundCardDialog = std::make_unique<SoundCardDialog>();
    std::unique_ptr<ShowPowerDialog> showPowerDialog = std::make_unique<ShowPowerDialog>();
    std::unique_ptr<TestSoundCardDialog> testSoundCardDialog =
        std::make_unique<TestSoundCardDialog>();
    std::unique_ptr<MqttDialog> mqttDialog = std::make_unique<MqttDialog>();
};
