#include "platform/linux/MixerErrorText.h"

#include "platform/Mixer.h"

std::string LinuxMixerErrorText(uint32_t code) {
    switch (code) {
        case mmsyserr::kError:
            return "The sound system reported an error.";
        case mmsyserr::kNotEnabled:
            return "The sound driver could not be enabled.";
        case mmsyserr::kInvalidFlag:
            return "An invalid query kind was passed.";
        case mmsyserr::kInvalidParam:
            return "An invalid parameter was passed.";
        case mmsyserr::kInvalidLine:
            return "The mixer has no such line.";
        case mmsyserr::kInvalidControl:
            return "The mixer has no such control.";
        case mmsyserr::kInvalidValue:
            return "The value is out of the control's range.";
        default:
            return {};
    }
}
