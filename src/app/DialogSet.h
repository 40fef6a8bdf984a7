#pragma once
// The ten dialogs the pop-up menu shows, created after the main window in their fixed
// order and destroyed in reverse (members go in reverse order of declaration), so the
// Show Power dialog saves its keys before the main window saves the rest.

#include <memory>

#include "dialogs/about.h"
#include "dialogs/noisform.h"
#include "dialogs/ucard.h"
#include "dialogs/ucomport.h"
#include "dialogs/ugain.h"
#include "dialogs/uimd.h"
#include "dialogs/upower.h"
#include "dialogs/urefresh.h"
#include "dialogs/ushowpower.h"
#include "dialogs/utestcard.h"

class ProfileFile;

struct DialogSet {
    explicit DialogSet(ProfileFile& profile)
        : ShowPowerForm(std::make_unique<TShowPowerForm>(profile)) {}

    std::unique_ptr<TPortForm> PortForm = std::make_unique<TPortForm>();
    std::unique_ptr<TRefreshForm> RefreshForm = std::make_unique<TRefreshForm>();
    std::unique_ptr<TAboutForm> AboutForm = std::make_unique<TAboutForm>();
    std::unique_ptr<TGainForm> GainForm = std::make_unique<TGainForm>();
    std::unique_ptr<TIMDForm> IMDForm = std::make_unique<TIMDForm>();
    std::unique_ptr<TNoiseForm> NoiseForm = std::make_unique<TNoiseForm>();
    std::unique_ptr<TPowerLimitForm> PowerLimitForm = std::make_unique<TPowerLimitForm>();
    std::unique_ptr<TSoundCardForm> SoundCardForm = std::make_unique<TSoundCardForm>();
    std::unique_ptr<TShowPowerForm> ShowPowerForm;
    std::unique_ptr<TTestSoundCardForm> TestSoundCardForm = std::make_unique<TTestSoundCardForm>();
};
