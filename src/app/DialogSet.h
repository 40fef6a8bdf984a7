#pragma once
// The ten dialogs the pop-up menu shows, created after the main window in their fixed
// order and destroyed in reverse, so the Show Power dialog saves its keys before the main
// window saves the rest.

#include <memory>

#include "app/umain.h"
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
        : PortForm(std::make_unique<TPortForm>()),
          RefreshForm(std::make_unique<TRefreshForm>()),
          AboutForm(std::make_unique<TAboutForm>()),
          GainForm(std::make_unique<TGainForm>()),
          IMDForm(std::make_unique<TIMDForm>()),
          NoiseForm(std::make_unique<TNoiseForm>()),
          PowerLimitForm(std::make_unique<TPowerLimitForm>()),
          SoundCardForm(std::make_unique<TSoundCardForm>()),
          ShowPowerForm(std::make_unique<TShowPowerForm>(profile)),
          TestSoundCardForm(std::make_unique<TTestSoundCardForm>()) {}

    ~DialogSet() {
        TestSoundCardForm.reset();
        ShowPowerForm.reset();
        SoundCardForm.reset();
        PowerLimitForm.reset();
        NoiseForm.reset();
        IMDForm.reset();
        GainForm.reset();
        AboutForm.reset();
        RefreshForm.reset();
        PortForm.reset();
    }

    MainFormDialogs View() const {
        return {PortForm.get(),         RefreshForm.get(),   AboutForm.get(),
                GainForm.get(),         IMDForm.get(),       NoiseForm.get(),
                PowerLimitForm.get(),   SoundCardForm.get(), ShowPowerForm.get(),
                TestSoundCardForm.get()};
    }

    std::unique_ptr<TPortForm> PortForm;
    std::unique_ptr<TRefreshForm> RefreshForm;
    std::unique_ptr<TAboutForm> AboutForm;
    std::unique_ptr<TGainForm> GainForm;
    std::unique_ptr<TIMDForm> IMDForm;
    std::unique_ptr<TNoiseForm> NoiseForm;
    std::unique_ptr<TPowerLimitForm> PowerLimitForm;
    std::unique_ptr<TSoundCardForm> SoundCardForm;
    std::unique_ptr<TShowPowerForm> ShowPowerForm;
    std::unique_ptr<TTestSoundCardForm> TestSoundCardForm;
};
