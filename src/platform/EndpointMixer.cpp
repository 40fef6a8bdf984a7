#include "platform/EndpointMixer.h"

namespace {

// One destination, no sources, one control.
constexpr uint32_t kOutputLine = 0;
constexpr uint32_t kVolumeControl = 1;

constexpr std::size_t kNameChars = 63;  // a friendly name is kept up to a line name's length

}  // namespace

EndpointMixer::EndpointMixer(std::unique_ptr<AudioEndpoints> endpoints)
    : endpoints_(std::move(endpoints)) {}

uint32_t EndpointMixer::GetNumDevs() {
    return static_cast<uint32_t>(endpoints_->Active().size());
}

uint32_t EndpointMixer::GetDevCaps(uint32_t device, MixerCaps& caps) {
    const std::vector<AudioEndpoint> outputs = endpoints_->Active();
    if (device >= outputs.size()) return mmsyserr::kBadDeviceId;
    caps.ProductName = outputs[device].Name.substr(0, kNameChars);
    caps.Destinations = 1;
    caps.Id = outputs[device].Id;
    return mmsyserr::kNoError;
}

uint32_t EndpointMixer::Open(uint32_t device, uintptr_t /*callbackWindow*/, HMixer& handle) {
    // Change notifications are not sent: the program never acts on them.
    const std::vector<AudioEndpoint> outputs = endpoints_->Active();
    if (device >= outputs.size()) return mmsyserr::kBadDeviceId;
    handle = nextHandle_++;
    sessions_.emplace(handle, outputs[device].Id);
    return mmsyserr::kNoError;
}

uint32_t EndpointMixer::Close(HMixer handle) {
    return sessions_.erase(handle) ? mmsyserr::kNoError : mmsyserr::kInvalidHandle;
}

uint32_t EndpointMixer::GetLineInfo(uint32_t device, MixerLine& line, LineQuery query) {
    if (device >= GetNumDevs()) return mmsyserr::kBadDeviceId;
    switch (query) {
        case LineQuery::ByDestination:
            if (line.Destination != 0) return mmsyserr::kInvalidLine;
            break;
        case LineQuery::BySource:
            return mmsyserr::kInvalidLine;
        case LineQuery::ByLineId:
            if (line.LineID != kOutputLine) return mmsyserr::kInvalidLine;
            break;
        default:
            return mmsyserr::kInvalidFlag;
    }
    line = MixerLine{};
    line.LineID = kOutputLine;
    line.Controls = 1;
    line.Name = "Volume Control";
    return mmsyserr::kNoError;
}

uint32_t EndpointMixer::GetLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                                        std::vector<MixerControl>& controls) {
    if (!EndpointOf(handle)) return mmsyserr::kInvalidHandle;
    if (lineId != kOutputLine) return mmsyserr::kInvalidLine;
    if (count != 1) return mmsyserr::kInvalidParam;
    controls = {{kVolumeControl, kVolumeControlType}};
    return mmsyserr::kNoError;
}

uint32_t EndpointMixer::GetControlValue(HMixer handle, uint32_t controlId, uint32_t& value) {
    const std::string* id = EndpointOf(handle);
    if (!id) return mmsyserr::kInvalidHandle;
    if (controlId != kVolumeControl) return mmsyserr::kInvalidControl;
    return endpoints_->GetVolume(*id, value);
}

uint32_t EndpointMixer::SetControlValue(HMixer handle, uint32_t controlId, uint32_t value) {
    const std::string* id = EndpointOf(handle);
    if (!id) return mmsyserr::kInvalidHandle;
    if (controlId != kVolumeControl) return mmsyserr::kInvalidControl;
    if (value > 65535) return mmsyserr::kInvalidValue;
    return endpoints_->SetVolume(*id, value);
}

std::string EndpointMixer::ErrorText(uint32_t code) {
    return endpoints_->ErrorText(code);
}

const std::string* EndpointMixer::EndpointOf(HMixer handle) const {
    const auto it = sessions_.find(handle);
    return it == sessions_.end() ? nullptr : &it->second;
}
