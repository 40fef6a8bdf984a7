#pragma once
// The sound card's mixer as the program uses it: the Win32 multimedia-mixer calls
// (mixerGetNumDevs, mixerGetDevCaps, mixerOpen, ...) with their result codes, so the
// inventory code reads the same on every platform and the Windows build maps 1:1.

#include <cstdint>
#include <string>
#include <vector>

// Result codes, numbered as MMSYSERR_* and MIXERR_* are on Windows.
namespace mmsyserr {
inline constexpr uint32_t NoError = 0;
inline constexpr uint32_t Error = 1;              // unspecified error
inline constexpr uint32_t BadDeviceId = 2;        // device index out of range
inline constexpr uint32_t NotEnabled = 3;         // driver failed to enable
inline constexpr uint32_t Allocated = 4;          // already allocated
inline constexpr uint32_t InvalidHandle = 5;      // handle not open
inline constexpr uint32_t NoDriver = 6;           // no driver, or the device cannot be opened
inline constexpr uint32_t NoMem = 7;              // out of memory
inline constexpr uint32_t NotSupported = 8;       // function not supported
inline constexpr uint32_t InvalidFlag = 10;       // bad flags
inline constexpr uint32_t InvalidParam = 11;      // bad parameter
inline constexpr uint32_t InvalidLine = 1024;     // MIXERR_INVALLINE
inline constexpr uint32_t InvalidControl = 1025;  // MIXERR_INVALCONTROL
inline constexpr uint32_t InvalidValue = 1026;    // MIXERR_INVALVALUE
}  // namespace mmsyserr

// Handle of an open mixer (HMIXER). Any value may be valid except the one the caller
// uses for "closed".
using HMixer = std::intptr_t;

// Line status flags (fdwLine).
inline constexpr uint32_t kLineActive = 0x00000001;
inline constexpr uint32_t kLineDisconnected = 0x00008000;
inline constexpr uint32_t kLineSource = 0x80000000;

// Component types (dwComponentType): destinations from 0, sources from 0x1000.
namespace component {
inline constexpr uint32_t DstUndefined = 0;
inline constexpr uint32_t DstDigital = 1;
inline constexpr uint32_t DstLine = 2;
inline constexpr uint32_t DstMonitor = 3;
inline constexpr uint32_t DstSpeakers = 4;
inline constexpr uint32_t DstHeadphones = 5;
inline constexpr uint32_t DstTelephone = 6;
inline constexpr uint32_t DstWaveIn = 7;
inline constexpr uint32_t DstVoiceIn = 8;
inline constexpr uint32_t SrcUndefined = 0x1000;
inline constexpr uint32_t SrcDigital = 0x1001;
inline constexpr uint32_t SrcLine = 0x1002;
inline constexpr uint32_t SrcMicrophone = 0x1003;
inline constexpr uint32_t SrcSynthesizer = 0x1004;
inline constexpr uint32_t SrcCompactDisc = 0x1005;
inline constexpr uint32_t SrcTelephone = 0x1006;
inline constexpr uint32_t SrcPcSpeaker = 0x1007;
inline constexpr uint32_t SrcWaveOut = 0x1008;
inline constexpr uint32_t SrcAuxiliary = 0x1009;
inline constexpr uint32_t SrcAnalog = 0x100A;
}  // namespace component

// Control types (dwControlType) the program knows by number.
inline constexpr uint32_t kVolumeControlType = 0x50030001;  // unsigned fader, 0..65535
inline constexpr uint32_t kMuteControlType = 0x20010002;    // boolean

// MIXERCAPS: what a device reports about itself.
struct MixerCaps {
    std::string ProductName;  // at most 31 characters, as szPname holds
    uint32_t Destinations = 0;
};

// How getLineInfo picks the line (the MIXER_GETLINEINFOF_* query kinds).
enum class LineQuery : uint32_t { ByDestination = 0, BySource = 1, ByLineId = 2 };

// MIXERLINE: one destination line, or one source line of a destination.
struct MixerLine {
    uint32_t Destination = 0;  // destination index (input for ByDestination / BySource)
    uint32_t Source = 0;       // source index under it (input for BySource)
    uint32_t LineID = 0;       // input for ByLineId
    uint32_t LineFlags = 0;    // kLineSource, kLineActive, ...
    uint32_t ComponentType = 0;
    uint32_t Connections = 0;  // source lines of a destination
    uint32_t Controls = 0;
    std::string Name;  // at most 63 characters, as szName holds
};

// MIXERCONTROL: one control of a line. Minimum and Maximum are the record's two bound
// words, read as signed.
struct MixerControl {
    uint32_t ControlID = 0;
    uint32_t ControlType = 0;
    std::string Name;  // at most 63 characters
    int32_t Minimum = 0;
    int32_t Maximum = 0;
};

// Every call returns a result code from mmsyserr; outputs are only written on success.
class Mixer {
public:
    virtual ~Mixer() = default;
    virtual uint32_t getNumDevs() = 0;
    virtual uint32_t getDevCaps(uint32_t device, MixerCaps& caps) = 0;
    // `callbackWindow` would receive change notifications; 0 means none. On failure
    // `handle` keeps its value.
    virtual uint32_t open(uint32_t device, uintptr_t callbackWindow, HMixer& handle) = 0;
    virtual uint32_t close(HMixer handle) = 0;
    // Line queries name the device by its index, as the program does on Windows.
    virtual uint32_t getLineInfo(uint32_t device, MixerLine& line, LineQuery query) = 0;
    // All controls of a line; `count` must be the line's control count.
    virtual uint32_t getLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                                     std::vector<MixerControl>& controls) = 0;
    // One value for all channels of the control (cChannels = 1).
    virtual uint32_t getControlValue(HMixer handle, uint32_t controlId, uint32_t& value) = 0;
    virtual uint32_t setControlValue(HMixer handle, uint32_t controlId, uint32_t value) = 0;
    // The system's text for a result code (waveInGetErrorText); empty when it has none.
    virtual std::string errorText(uint32_t code) = 0;
};
