#include "audio/SoundOutputChoice.h"

#include "base/MessagePresenter.h"
#include "base/Translation.h"
#include "platform/Mixer.h"

std::optional<int> DeviceWithId(Mixer& mixer, const std::string& id) {
    const int count = static_cast<int>(mixer.GetNumDevs());
    for (int device = 0; device < count; ++device)
        if (IdOfDevice(mixer, device) == id) return device;
    return std::nullopt;
}

std::string IdOfDevice(Mixer& mixer, int device) {
    MixerCaps caps;
    if (device < 0 || mixer.GetDevCaps(static_cast<uint32_t>(device), caps) != mmsyserr::kNoError)
        return {};
    return caps.Id;
}

int ChooseSoundOutput(Mixer& mixer, std::optional<std::string>& savedId, int savedNumber,
                      MessagePresenter& messages) {
    if (!savedId) {
        savedId = IdOfDevice(mixer, savedNumber);
        return savedNumber;
    }
    if (savedId->empty()) return savedNumber;
    if (const std::optional<int> device = DeviceWithId(mixer, *savedId)) return *device;
    messages.ShowMessage(
        Translated("SoundCard", "Sound Card"), MessageKind::Information,
        FilledIn(
            Translated(
                "SoundCard",
                "The sound output chosen for the level control is not connected:;;%1;;Until it "
                "is back at a later start, the level control moves no other output. \"Set "
                "Sound Card\" chooses another."),
            {*savedId}));
    return -1;
}
