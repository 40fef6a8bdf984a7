#pragma once
// Access to one sound card's mixer: an inventory of its lines and their controls, and
// the Master and Wave volumes in percent that the level control moves.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Mixer.h"

class MessagePresenter;
class MixerInventory;

// MixerHandle while no mixer is open.
inline constexpr HMixer kMixerClosed = -1;

// Volume percent (0..100) to the mixer's 0..65535 scale and back.
uint32_t PercentToRaw(int percent);
int RawToPercent(uint32_t raw);

// One mixer line with the controls it owns.
class SoundLine {
public:
    SoundLine(MixerInventory& owner, bool isDestination, bool isOutput, uint32_t lineId,
              std::string name);

    MixerInventory& Owner;
    bool IsDestination;
    bool IsOutput;  // false for a recording destination and its sources
    std::string Name;
    uint32_t LineID;

    int Count() const { return static_cast<int>(controls_.size()); }
    void Add(const MixerControl& control) { controls_.push_back(control); }
    void Clear() { controls_.clear(); }

    // First control of exactly this type, or -1.
    int IndexOfType(uint32_t controlType) const;
    // The control's single value; 0 for an index past the list or a failed read.
    uint32_t GetValue(int controlIndex) const;
    // Returns the mixer's result code.
    uint32_t SetValue(int controlIndex, uint32_t value) const;

private:
    std::vector<MixerControl> controls_;
};

// The inventory; positions are the line indices the volume operations take.
class SoundLineList {
public:
    explicit SoundLineList(MixerInventory& owner) : Owner(owner) {}

    MixerInventory& Owner;

    int AddDevice(bool isDestination, bool isOutput, uint32_t lineId, const std::string& name);
    // First line whose flags match and, unless namePart is empty, whose name contains
    // namePart ignoring the case of A to Z. -1 when none.
    int FindDevice(bool isDestination, bool isOutput, const std::string& namePart) const;
    int Count() const { return static_cast<int>(devices_.size()); }
    SoundLine& operator[](int index) const { return *devices_.at(index); }
    void Clear() { devices_.clear(); }

private:
    std::vector<std::unique_ptr<SoundLine>> devices_;
};

// One sound card's mixer, opened and inventoried on construction. Errors go to the
// operator through the message dialog and leave a smaller or empty inventory; the
// object never fails outward. A negative device index opens nothing, silently.
class MixerInventory {
public:
    MixerInventory(Mixer& mixer, MessagePresenter& presenter, uintptr_t callbackWindow,
                   int deviceIndex);
    ~MixerInventory();
    MixerInventory(const MixerInventory&) = delete;
    MixerInventory& operator=(const MixerInventory&) = delete;

    // Mixer devices in the system, whatever this object opened.
    int GetMixerCount();
    // Product name of any device; empty (after the error dialog) when the query fails, and
    // without a dialog for a negative index.
    std::string GetDeviceName(int deviceIndex);

    int FindMasterLine() const;
    int FindWaveLine() const;
    // A negative line index means the Master line. Missing lines or volume controls
    // read 0 and ignore writes.
    int GetVolume(int lineIndex);
    void SetVolume(int lineIndex, int percent);
    int GetMasterVolume() { return GetVolume(FindMasterLine()); }
    void SetMasterVolume(int percent) { SetVolume(FindMasterLine(), percent); }
    // Without a Wave line these act on the Master line.
    int GetWaveVolume() { return GetVolume(FindWaveLine()); }
    void SetWaveVolume(int percent) { SetVolume(FindWaveLine(), percent); }

    void OpenMixer();
    void LoadControls(int lineIndex);
    // Shows the dialog for the last call's result code when it is non-zero; true then.
    bool CheckError();

    const SoundLineList& Devices() const { return Devices_; }
    int DeviceIndex() const { return DeviceIndex_; }
    HMixer MixerHandle() const { return MixerHandle_; }

private:
    friend class SoundLine;

    Mixer& mixer_;
    MessagePresenter& presenter_;
    SoundLineList Devices_;
    uint32_t LastError_ = mmsyserr::kNoError;
    int DeviceIndex_;
    uintptr_t CallbackWindow_;
    HMixer MixerHandle_ = kMixerClosed;
    MixerLine LineBuffer_;  // work record of every line query
    MixerCaps CapsBuffer_;  // filled by every capabilities query
};
