#include "platform/CombinedMixer.h"

CombinedMixer::CombinedMixer(std::vector<std::unique_ptr<Mixer>> parts)
    : parts_(std::move(parts)) {}

uint32_t CombinedMixer::GetNumDevs() {
    uint32_t count = 0;
    for (const auto& part : parts_) count += part->GetNumDevs();
    return count;
}

uint32_t CombinedMixer::GetDevCaps(uint32_t device, MixerCaps& caps) {
    const std::optional<Place> place = PlaceOfDevice(device);
    return place ? place->part->GetDevCaps(place->device, caps) : mmsyserr::kBadDeviceId;
}

uint32_t CombinedMixer::Open(uint32_t device, uintptr_t callbackWindow, HMixer& handle) {
    std::optional<Place> place = PlaceOfDevice(device);
    if (!place) return mmsyserr::kBadDeviceId;
    const uint32_t result = place->part->Open(place->device, callbackWindow, place->handle);
    if (result != mmsyserr::kNoError) return result;
    handle = nextHandle_++;
    opened_.emplace(handle, *place);
    return mmsyserr::kNoError;
}

uint32_t CombinedMixer::Close(HMixer handle) {
    const std::optional<Place> place = PlaceOfHandle(handle);
    if (!place) return mmsyserr::kInvalidHandle;
    opened_.erase(handle);
    return place->part->Close(place->handle);
}

uint32_t CombinedMixer::GetLineInfo(uint32_t device, MixerLine& line, LineQuery query) {
    const std::optional<Place> place = PlaceOfDevice(device);
    return place ? place->part->GetLineInfo(place->device, line, query) : mmsyserr::kBadDeviceId;
}

uint32_t CombinedMixer::GetLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                                        std::vector<MixerControl>& controls) {
    const std::optional<Place> place = PlaceOfHandle(handle);
    return place ? place->part->GetLineControls(place->handle, lineId, count, controls)
                 : mmsyserr::kInvalidHandle;
}

uint32_t CombinedMixer::GetControlValue(HMixer handle, uint32_t controlId, uint32_t& value) {
    const std::optional<Place> place = PlaceOfHandle(handle);
    return place ? place->part->GetControlValue(place->handle, controlId, value)
                 : mmsyserr::kInvalidHandle;
}

uint32_t CombinedMixer::SetControlValue(HMixer handle, uint32_t controlId, uint32_t value) {
    const std::optional<Place> place = PlaceOfHandle(handle);
    return place ? place->part->SetControlValue(place->handle, controlId, value)
                 : mmsyserr::kInvalidHandle;
}

std::string CombinedMixer::ErrorText(uint32_t code) {
    for (const auto& part : parts_) {
        std::string text = part->ErrorText(code);
        if (!text.empty()) return text;
    }
    return {};
}

std::optional<CombinedMixer::Place> CombinedMixer::PlaceOfDevice(uint32_t device) {
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        Mixer* part = parts_[i].get();
        if (i + 1 == parts_.size()) return Place{part, device, 0};
        const uint32_t count = part->GetNumDevs();
        if (device < count) return Place{part, device, 0};
        device -= count;
    }
    return std::nullopt;
}

std::optional<CombinedMixer::Place> CombinedMixer::PlaceOfHandle(HMixer handle) const {
    const auto it = opened_.find(handle);
    if (it == opened_.end()) return std::nullopt;
    return it->second;
}
