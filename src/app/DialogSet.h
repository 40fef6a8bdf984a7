#pragma once
// The ten dialogs the pop-up menu shows, created after the main window in their fixed
// order and destroyed in reverse (members go in reverse order of declaration), so the
// Show Power dialog saves its keys before the main window saves the rest.

#include <memory>

#include "dialogs/AboutDialog.h"
#include "dialogs/GainDialog.h"
#include "dialogs/NoiseThresholdDialog.h"
#include "dialogs/PortDialog.h"
#include "dialogs/PowerLimitDialog.h"
#include "dialogs/RefreshRateDialog.h"
#include "dialogs/ShowPowerDialog.h"
#include "dialogs/SoundCardDialog.h"
#include "dialogs/TargetImdDialog.h"
#include "dialogs/TestSoundCardDialog.h"

class ProfileFile;

struct DialogSet {
    explicit DialogSet(ProfileFile& profile)
        : showPowerDialog(std::make_unique<ShowPowerDialog>(profile)) {}

    std::unique_ptr<PortDialog> portDialog = std::make_unique<PortDialog>();
    std::unique_ptr<RefreshRateDialog> refreshRateDialog = std::make_unique<RefreshRateDialog>();
    std::unique_ptr<AboutDialog> aboutDialog = std::make_unique<AboutDialog>();
    std::unique_ptr<GainDialog> gainDialog = std::make_unique<GainDialog>();
    std::unique_ptr<TargetImdDialog> targetImdDialog = std::make_unique<TargetImdDialog>();
    std::unique_ptr<NoiseThresholdDialog> noiseThresholdDialog =
        std::make_unique<NoiseThresholdDialog>();
    std::unique_ptr<PowerLimitDialog> powerLimitDialog = std::make_unique<PowerLimitDialog>();
    std::unique_ptr<SoundCardDialog> soundCardDialog = std::make_unique<SoundCardDialog>();
    std::unique_ptr<ShowPowerDialog> showPowerDialog;
    std::unique_ptr<TestSoundCardDialog> testSoundCardDialog =
        std::make_unique<TestSoundCardDialog>();
};
