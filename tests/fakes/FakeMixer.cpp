#include "fakes/FakeMixer.h"

#include <stdexcept>

namespace {

// Ids unlike the indices, so code that mixes the two up fails.
uint32_t LineIdOf(int destination, int source) {
    return 0x00A00000u | (static_cast<uint32_t>(destination) << 8) |
           static_cast<uint32_t>(source + 1);
}
uint32_t ControlIdOf(int destination, int source, std::size_t index) {
    return 0x70000000u | (static_cast<uint32_t>(destination) << 16) |
           (static_cast<uint32_t>(source + 1) << 8) | static_cast<uint32_t>(index);
}
constexpr HMixer kHandleBase = 0x500;

}  // namespace

FakeControl FakeVolume(uint32_t value) {
    FakeControl control;
    control.Value = value;
    return control;
}

FakeControl FakeMute(uint32_t value) {
    return {kMuteControlType, "Mute", 0, 1, value};
}

FakeLine FakeLineOf(std::string name, uint32_t componentType, std::vector<FakeControl> controls) {
    FakeLine line;
    line.Name = std::move(name);
    line.ComponentType = componentType;
    line.Controls = std::move(controls);
    return line;
}

FakeMixer::FakeMixer(std::vector<FakeDevice> devices) : devices_(std::move(devices)) {}

uint32_t FakeMixer::getNumDevs() {
    return static_cast<uint32_t>(devices_.size());
}

uint32_t FakeMixer::getDevCaps(uint32_t device, MixerCaps& caps) {
    if (device >= devices_.size()) return mmsyserr::BadDeviceId;
    const FakeDevice& d = devices_[device];
    caps.ProductName = d.ProductName;
    caps.Destinations = static_cast<uint32_t>(d.Destinations.size());
    return mmsyserr::NoError;
}

uint32_t FakeMixer::open(uint32_t device, uintptr_t callbackWindow, HMixer& handle) {
    if (device >= devices_.size()) return mmsyserr::BadDeviceId;
    if (devices_[device].OpenError) return devices_[device].OpenError;
    LastCallbackWindow = callbackWindow;
    handle = kHandleBase + device;
    OpenHandles.insert(handle);
    return mmsyserr::NoError;
}

uint32_t FakeMixer::close(HMixer handle) {
    if (!OpenHandles.erase(handle)) return mmsyserr::InvalidHandle;
    ClosedHandles.push_back(handle);
    return mmsyserr::NoError;
}

FakeLine* FakeMixer::lineByIndex(uint32_t device, int destination, int source) {
    if (device >= devices_.size() || destination < 0) return nullptr;
    auto& destinations = devices_[device].Destinations;
    if (static_cast<std::size_t>(destination) >= destinations.size()) return nullptr;
    FakeDestination& d = destinations[destination];
    if (source < 0) return &d.Line;
    if (static_cast<std::size_t>(source) >= d.Sources.size()) return nullptr;
    return &d.Sources[source];
}

FakeLine* FakeMixer::lineById(uint32_t device, uint32_t lineId, int* destination, int* source) {
    if (device >= devices_.size()) return nullptr;
    auto& destinations = devices_[device].Destinations;
    for (std::size_t d = 0; d < destinations.size(); ++d) {
        for (int s = -1; s < static_cast<int>(destinations[d].Sources.size()); ++s) {
            if (LineIdOf(static_cast<int>(d), s) != lineId) continue;
            if (destination) *destination = static_cast<int>(d);
            if (source) *source = s;
            return lineByIndex(device, static_cast<int>(d), s);
        }
    }
    return nullptr;
}

MixerLine FakeMixer::recordOf(uint32_t device, int destination, int source) {
    const FakeLine& line = *lineByIndex(device, destination, source);
    MixerLine record;
    record.Destination = static_cast<uint32_t>(destination);
    record.Source = source < 0 ? 0 : static_cast<uint32_t>(source);
    record.LineID = LineIdOf(destination, source);
    record.LineFlags = kLineActive | (source < 0 ? 0 : kLineSource);
    record.ComponentType = line.ComponentType;
    record.Connections =
        source < 0
            ? static_cast<uint32_t>(devices_[device].Destinations[destination].Sources.size())
            : 0;
    record.Controls = static_cast<uint32_t>(line.Controls.size());
    record.Name = line.Name;
    return record;
}

uint32_t FakeMixer::getLineInfo(uint32_t device, MixerLine& line, LineQuery query) {
    if (device >= devices_.size()) return mmsyserr::BadDeviceId;
    int destination = static_cast<int>(line.Destination);
    int source = -1;
    const FakeLine* found = nullptr;
    uint32_t failure = 0;
    switch (query) {
        case LineQuery::ByDestination:
            found = lineByIndex(device, destination, -1);
            if (found) failure = found->QueryError;
            break;
        case LineQuery::BySource:
            source = static_cast<int>(line.Source);
            found = lineByIndex(device, destination, source);
            if (found) failure = found->QueryError;
            break;
        case LineQuery::ByLineId:
            found = lineById(device, line.LineID, &destination, &source);
            if (found) failure = found->IdQueryError;
            break;
    }
    if (!found) return mmsyserr::InvalidLine;
    if (failure) return failure;
    line = recordOf(device, destination, source);
    return mmsyserr::NoError;
}

bool FakeMixer::deviceOf(HMixer handle, uint32_t& device) const {
    if (!OpenHandles.count(handle)) return false;
    device = static_cast<uint32_t>(handle - kHandleBase);
    return true;
}

uint32_t FakeMixer::getLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                                    std::vector<MixerControl>& controls) {
    uint32_t device = 0;
    if (!deviceOf(handle, device)) return mmsyserr::InvalidHandle;
    int destination = 0, source = 0;
    const FakeLine* line = lineById(device, lineId, &destination, &source);
    if (!line) return mmsyserr::InvalidLine;
    if (line->ControlsError) return line->ControlsError;
    if (count != line->Controls.size()) return mmsyserr::InvalidParam;
    controls.clear();
    for (std::size_t i = 0; i < line->Controls.size(); ++i) {
        const FakeControl& c = line->Controls[i];
        controls.push_back(
            {ControlIdOf(destination, source, i), c.ControlType, c.Name, c.Minimum, c.Maximum});
    }
    return mmsyserr::NoError;
}

FakeControl* FakeMixer::controlById(uint32_t device, uint32_t controlId) {
    const int destination = static_cast<int>((controlId >> 16) & 0xFF);
    const int source = static_cast<int>((controlId >> 8) & 0xFF) - 1;
    const std::size_t index = controlId & 0xFF;
    FakeLine* line = lineByIndex(device, destination, source);
    if ((controlId & 0xFF000000u) != 0x70000000u || !line || index >= line->Controls.size())
        return nullptr;
    return &line->Controls[index];
}

uint32_t FakeMixer::getControlValue(HMixer handle, uint32_t controlId, uint32_t& value) {
    ++ValueReads;
    uint32_t device = 0;
    if (!deviceOf(handle, device)) return mmsyserr::InvalidHandle;
    const FakeControl* control = controlById(device, controlId);
    if (!control) return mmsyserr::InvalidControl;
    value = control->Value;
    return mmsyserr::NoError;
}

uint32_t FakeMixer::setControlValue(HMixer handle, uint32_t controlId, uint32_t value) {
    ++ValueWrites;
    uint32_t device = 0;
    if (!deviceOf(handle, device)) return mmsyserr::InvalidHandle;
    FakeControl* control = controlById(device, controlId);
    if (!control) return mmsyserr::InvalidControl;
    control->Value = value;
    return mmsyserr::NoError;
}

std::string FakeMixer::errorText(uint32_t code) {
    const auto it = ErrorTexts.find(code);
    return it == ErrorTexts.end() ? std::string() : it->second;
}

uint32_t& FakeMixer::Value(uint32_t device, int destination, int source, uint32_t type) {
    FakeLine* line = lineByIndex(device, destination, source);
    if (line) {
        for (FakeControl& control : line->Controls) {
            if (control.ControlType == type) return control.Value;
        }
    }
    throw std::out_of_range("FakeMixer: no such control in the table");
}
