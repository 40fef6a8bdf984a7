#pragma once
// A mixer built from a table of devices, destinations, sources and controls, so each
// sound-card layout a test needs is one table. Every call can be made to fail.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Mixer.h"

struct FakeControl {
    uint32_t ControlType = kVolumeControlType;
    std::string Name = "Volume";
    int32_t Minimum = 0;
    int32_t Maximum = 65535;
    uint32_t Value = 0;
};

struct FakeLine {
    std::string Name;
    uint32_t ComponentType = 0;
    std::vector<FakeControl> Controls;
    uint32_t QueryError = 0;     // result of the by-destination / by-source query
    uint32_t IdQueryError = 0;   // result of the by-line-id query
    uint32_t ControlsError = 0;  // result of getLineControls
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
FakeControl FakeVolume(uint32_t value = 0);
FakeControl FakeMute(uint32_t value = 0);
FakeLine FakeLineOf(std::string name, uint32_t componentType, std::vector<FakeControl> controls);

class FakeMixer final : public Mixer {
public:
    explicit FakeMixer(std::vector<FakeDevice> devices);

    uint32_t getNumDevs() override;
    uint32_t getDevCaps(uint32_t device, MixerCaps& caps) override;
    uint32_t open(uint32_t device, uintptr_t callbackWindow, HMixer& handle) override;
    uint32_t close(HMixer handle) override;
    uint32_t getLineInfo(uint32_t device, MixerLine& line, LineQuery query) override;
    uint32_t getLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                             std::vector<MixerControl>& controls) override;
    uint32_t getControlValue(HMixer handle, uint32_t controlId, uint32_t& value) override;
    uint32_t setControlValue(HMixer handle, uint32_t controlId, uint32_t value) override;
    std::string errorText(uint32_t code) override;

    // The stored value of the first control of `type` on a line; source -1 is the
    // destination itself.
    uint32_t& Value(uint32_t device, int destination, int source = -1,
                    uint32_t type = kVolumeControlType);

    std::map<uint32_t, std::string> ErrorTexts;  // what errorText answers
    int ValueReads = 0;
    int ValueWrites = 0;
    std::set<HMixer> OpenHandles;
    std::vector<HMixer> ClosedHandles;
    uintptr_t LastCallbackWindow = 0;

private:
    FakeLine* lineByIndex(uint32_t device, int destination, int source);
    FakeLine* lineById(uint32_t device, uint32_t lineId, int* destination, int* source);
    bool deviceOf(HMixer handle, uint32_t& device) const;
    FakeControl* controlById(uint32_t device, uint32_t controlId);
    MixerLine recordOf(uint32_t device, int destination, int source);

    std::vector<FakeDevice> devices_;
};
