#pragma once
// The sound card's mixer as the program uses it: the Win32 multimedia-mixer calls
// (mixerGetNumDevs, mixerGetDevCaps, mixerOpen, ...) with their result codes, so the
// inventory code reads the same on every platform and the Windows build maps 1:1.

#include <cstdint>
#include <string>
#include <vector>

// Result codes, numbered as MMSYSERR_* and MIXERR_* are on Windows.
namespace mmsyserr {
inline constexpr uint32_t kNoError = 0;
inline constexpr uint32_t kError = 1;              // unspecified error
inline constexpr uint32_t kBadDeviceId = 2;        // device index out of range
inline constexpr uint32_t kNotEnabled = 3;         // driver failed to enable
inline constexpr uint32_t kAllocated = 4;          // already allocated
inline constexpr uint32_t kInvalidHandle = 5;      // handle not open
inline constexpr uint32_t kNoDriver = 6;           // no driver, or the device cannot be opened
inline constexpr uint32_t kNoMem = 7;              // out of memory
inline constexpr uint32_t kNotSupported = 8;       // function not supported
inline constexpr uint32_t kInvalidFlag = 10;       // bad flags
inline constexpr uint32_t kInvalidParam = 11;      // bad parameter
inline constexpr uint32_t kInvalidLine = 1024;     // MIXERR_INVALLINE
inline constexpr uint32_t kInvalidControl = 1025;  // MIXERR_INVALCONTROL
inline constexpr uint32_t kInvalidValue = 1026;    // MIXERR_INVALVALUE
}  // namespace mmsyserr

// Handle of an open mixer (HMIXER). Any value may be valid except the one the caller
// uses for "closed".
using HMixer = std::intptr_t;

// Control types (dwControlType) the program knows by number.
inline constexpr uint32_t kVolumeControlType = 0x50030001;  // unsigned fader, 0..65535
inline constexpr uint32_t kMuteControlType = 0x20010002;    // boolean

// MIXERCAPS: what a device reports about itself.
struct MixerCaps {
    // At most 31 characters, as szPname holds; a sound server's output on Linux keeps up to
    // 63 of its description, the name the operator knows it by.
    std::string ProductName;
    uint32_t Destinations = 0;
    // What names this device whatever else is plugged in: a Core Audio endpoint's ID on
    // Windows, a sound server output's name on Linux; empty where the device has none (the
    // winmm mixers, ALSA's devices), which are then known by their number.
    std::string Id;
};

// How GetLineInfo picks the line (the MIXER_GETLINEINFOF_* query kinds).
enum class LineQuery : uint32_t { ByDestination = 0, BySource = 1, ByLineId = 2 };

// MIXERLINE: one destination line, or one source line of a destination.
struct MixerLine {
    uint32_t Destination = 0;  // destination index (input for ByDestination / BySource)
    uint32_t Source = 0;       // source index under it (input for BySource)
    uint32_t LineID = 0;       // input for ByLineId
    uint32_t Connections = 0;  // source lines of a destination
    uint32_t Controls = 0;
    std::string Name;  // at most 63 characters, as szName holds
};

// MIXERCONTROL: one control of a line.
struct MixerControl {
    uint32_t ControlID = 0;
    uint32_t ControlType = 0;
};

// Every call returns a result code from mmsyserr; outputs are only written on success.
class Mixer {
public:
    virtual ~Mixer() = default;
    virtual uint32_t GetNumDevs() = 0;
    virtual uint32_t GetDevCaps(uint32_t device, MixerCaps& caps) = 0;
    // `callbackWindow` would receive change notifications; 0 means none. On failure
    // `handle` keeps its value.
    virtual uint32_t Open(uint32_t device, uintptr_t callbackWindow, HMixer& handle) = 0;
    virtual uint32_t Close(HMixer handle) = 0;
    // Line queries name the device by its index, as the program does on Windows.
    virtual uint32_t GetLineInfo(uint32_t device, MixerLine& line, LineQuery query) = 0;
    // All controls of a line; `count` must be the line's control count.
    virtual uint32_t GetLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                                     std::vector<MixerControl>& controls) = 0;
    // One value for all channels of the control (cChannels = 1).
    virtual uint32_t GetControlValue(HMixer handle, uint32_t controlId, uint32_t& value) = 0;
    virtual uint32_t SetControlValue(HMixer handle, uint32_t controlId, uint32_t value) = 0;
    // The system's text for a result code (waveInGetErrorText); empty when it has none.
    virtual std::string ErrorText(uint32_t code) = 0;
};
