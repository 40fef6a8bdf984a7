#pragma once
// A mixer built from a table of devices, destinations, sources and controls, so each
// sound-card layout a test needs is one table. Opening a device and querying a line can be
// made to fail.

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Mixer.h"

struct FakeControl {
    uint32_t ControlType = kVolumeControlType;
    uint32_t Value = 0;
};

struct FakeLine {
    std::string Name;
    std::vector<FakeControl> Controls;
    uint32_t QueryError = 0;  // result of the by-destination / by-source query
};

struct FakeDestination {
    FakeLine Line;
    std::vector<FakeLine> Sources;
};

struct FakeDevice {
    std::string ProductName;
    std::vector<FakeDestination> Destinations;
    uint32_t OpenError = 0;
};

// Shorthands for the tables.
inline FakeControl FakeVolume(uint32_t value = 0) {
    return {kVolumeControlType, value};
}
inline FakeControl FakeMute(uint32_t value = 0) {
    return {kMuteControlType, value};
}
inline FakeLine FakeLineOf(std::string name, std::vector<FakeControl> controls) {
    return {std::move(name), std::move(controls)};
}

class FakeMixer final : public Mixer {
public:
    explicit FakeMixer(std::vector<FakeDevice> devices) : devices_(std::move(devices)) {}

    uint32_t GetNumDevs() override { return static_cast<uint32_t>(devices_.size()); }
    uint32_t GetDevCaps(uint32_t device, MixerCaps& caps) override {
        if (device >= devices_.size()) return mmsyserr::kBadDeviceId;
        caps = {devices_[device].ProductName,
                static_cast<uint32_t>(devices_[device].Destinations.size())};
        return mmsyserr::kNoError;
    }
    uint32_t Open(uint32_t device, uintptr_t callbackWindow, HMixer& handle) override {
        if (device >= devices_.size()) return mmsyserr::kBadDeviceId;
        if (devices_[device].OpenError) return devices_[device].OpenError;
        LastCallbackWindow = callbackWindow;
        OpenHandles.insert(handle = kHandleBase + device);
        return mmsyserr::kNoError;
    }
    uint32_t Close(HMixer handle) override {
        if (!OpenHandles.erase(handle)) return mmsyserr::kInvalidHandle;
        ClosedHandles.push_back(handle);
        return mmsyserr::kNoError;
    }
    uint32_t GetLineInfo(uint32_t device, MixerLine& line, LineQuery query) override {
        const bool byId = query == LineQuery::ByLineId;
        const uint32_t id =
            byId ? line.LineID
                 : LineId(line.Destination, query == LineQuery::BySource ? line.Source : -1);
        const FakeLine* found = Find(device, id);
        if (!found) return mmsyserr::kInvalidLine;
        if (!byId && found->QueryError) return found->QueryError;
        const uint32_t destination = (id >> 8) & 0xFF, source = id & 0xFF;
        line = {destination,
                source ? source - 1 : 0,
                id,
                uint32_t(source ? 0 : devices_[device].Destinations[destination].Sources.size()),
                uint32_t(found->Controls.size()),
                found->Name};
        return mmsyserr::kNoError;
    }
    uint32_t GetLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                             std::vector<MixerControl>& controls) override {
        if (!OpenHandles.count(handle)) return mmsyserr::kInvalidHandle;
        const FakeLine* line = Find(handle - kHandleBase, lineId);
        if (!line) return mmsyserr::kInvalidLine;
        if (count != line->Controls.size()) return mmsyserr::kInvalidParam;
        controls.clear();
        for (uint32_t i = 0; i < count; ++i) {
            const FakeControl& c = line->Controls[i];
            controls.push_back({lineId << 8 | i, c.ControlType});
        }
        return mmsyserr::kNoError;
    }
    uint32_t GetControlValue(HMixer handle, uint32_t controlId, uint32_t& value) override {
        FakeControl* control = nullptr;
        if (const uint32_t error = ControlById(handle, controlId, control)) return error;
        value = control->Value;
        return mmsyserr::kNoError;
    }
    uint32_t SetControlValue(HMixer handle, uint32_t controlId, uint32_t value) override {
        ++ValueWrites;
        FakeControl* control = nullptr;
        if (const uint32_t error = ControlById(handle, controlId, control)) return error;
        control->Value = value;
        return mmsyserr::kNoError;
    }
    // The system has a text for every code but 99.
    std::string ErrorText(uint32_t code) override {
        return code == 99 ? "" : "system " + std::to_string(code);
    }

    // The stored value of the first volume control on a line; source -1 is the
    // destination itself.
    uint32_t& Value(uint32_t device, int destination, int source = -1) {
        if (FakeLine* line = Find(device, LineId(destination, source)))
            for (FakeControl& control : line->Controls)
                if (control.ControlType == kVolumeControlType) return control.Value;
        throw std::out_of_range("FakeMixer: no such control in the table");
    }

    int ValueWrites = 0;
    std::set<HMixer> OpenHandles;
    std::vector<HMixer> ClosedHandles;
    uintptr_t LastCallbackWindow = 0;

private:
    static constexpr HMixer kHandleBase = 0x500;

    // Line ids are 0xA0DDSS (destination, source + 1, 0 for the destination itself) and
    // control ids the line id and the index, so code that takes an index for an id fails.
    static uint32_t LineId(uint32_t destination, int source) {
        return 0xA00000u | (destination & 0xFF) << 8 | uint32_t(source + 1);
    }
    FakeLine* Find(std::size_t device, uint32_t id) {
        const std::size_t destination = (id >> 8) & 0xFF, source = id & 0xFF;
        if (device >= devices_.size() || (id >> 16) != 0xA0) return nullptr;
        auto& destinations = devices_[device].Destinations;
        if (destination >= destinations.size()) return nullptr;
        FakeDestination& d = destinations[destination];
        return source == 0                  ? &d.Line
               : source <= d.Sources.size() ? &d.Sources[source - 1]
                                            : nullptr;
    }
    uint32_t ControlById(HMixer handle, uint32_t id, FakeControl*& control) {
        if (!OpenHandles.count(handle)) return mmsyserr::kInvalidHandle;
        FakeLine* line = Find(handle - kHandleBase, id >> 8);
        if (!line || (id & 0xFF) >= line->Controls.size()) return mmsyserr::kInvalidControl;
        control = &line->Controls[id & 0xFF];
        return mmsyserr::kNoError;
    }

    std::vector<FakeDevice> devices_;
};
