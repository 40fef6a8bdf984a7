#include "platform/win32/Win32Mixer.h"

#include "platform/win32/WindowsApi.h"
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include <cstring>

namespace {

// Mixer objects are named with the object-type bits zero throughout: line queries by
// device number, control queries and values by the open handle, which winmm accepts too.
constexpr DWORD kByMixerObject = 0;

HMIXEROBJ DeviceObject(uint32_t device) {
    return reinterpret_cast<HMIXEROBJ>(static_cast<UINT_PTR>(device));
}

HMIXEROBJ HandleObject(HMixer handle) {
    return reinterpret_cast<HMIXEROBJ>(handle);
}

// A fixed-size name field up to its first zero.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

DWORD LineQueryFlags(LineQuery query) {
    switch (query) {
        case LineQuery::ByDestination:
            return MIXER_GETLINEINFOF_DESTINATION;
        case LineQuery::BySource:
            return MIXER_GETLINEINFOF_SOURCE;
        case LineQuery::ByLineId:
            return MIXER_GETLINEINFOF_LINEID;
    }
    return MIXER_GETLINEINFOF_DESTINATION;
}

// One unsigned value for all channels of the control.
MIXERCONTROLDETAILS SingleValueDetails(uint32_t controlId, MIXERCONTROLDETAILS_UNSIGNED& value) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = controlId;
    details.cChannels = 1;
    details.cMultipleItems = 0;
    details.cbDetails = sizeof value;
    details.paDetails = &value;
    return details;
}

}  // namespace

uint32_t Win32Mixer::GetNumDevs() {
    return mixerGetNumDevs();
}

uint32_t Win32Mixer::GetDevCaps(uint32_t device, MixerCaps& caps) {
    MIXERCAPSA record{};
    const MMRESULT result = mixerGetDevCapsA(device, &record, sizeof record);
    if (result != MMSYSERR_NOERROR) return result;
    caps.ProductName = FieldText(record.szPname);
    caps.Destinations = record.cDestinations;
    return result;
}

uint32_t Win32Mixer::Open(uint32_t device, uintptr_t callbackWindow, HMixer& handle) {
    HMIXER opened = nullptr;
    const MMRESULT result = mixerOpen(&opened, device, callbackWindow, 0, CALLBACK_WINDOW);
    if (result == MMSYSERR_NOERROR) handle = reinterpret_cast<HMixer>(opened);
    return result;
}

uint32_t Win32Mixer::Close(HMixer handle) {
    return mixerClose(reinterpret_cast<HMIXER>(handle));
}

uint32_t Win32Mixer::GetLineInfo(uint32_t device, MixerLine& line, LineQuery query) {
    MIXERLINEA record{};
    record.cbStruct = sizeof record;
    record.dwDestination = line.Destination;
    record.dwSource = line.Source;
    record.dwLineID = line.LineID;
    const MMRESULT result =
        mixerGetLineInfoA(DeviceObject(device), &record, LineQueryFlags(query) | kByMixerObject);
    if (result != MMSYSERR_NOERROR) return result;
    line.Destination = record.dwDestination;
    line.Source = record.dwSource;
    line.LineID = record.dwLineID;
    line.Connections = record.cConnections;
    line.Controls = record.cControls;
    line.Name = FieldText(record.szName);
    return result;
}

uint32_t Win32Mixer::GetLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                                     std::vector<MixerControl>& controls) {
    if (count == 0) {
        controls.clear();
        return MMSYSERR_NOERROR;
    }
    std::vector<MIXERCONTROLA> records(count);
    for (auto& record : records) record.cbStruct = sizeof record;
    MIXERLINECONTROLSA request{};
    request.cbStruct = sizeof request;
    request.dwLineID = lineId;
    request.cControls = count;
    request.cbmxctrl = sizeof(MIXERCONTROLA);
    request.pamxctrl = records.data();
    const MMRESULT result = mixerGetLineControlsA(HandleObject(handle), &request,
                                                  MIXER_GETLINECONTROLSF_ALL | kByMixerObject);
    if (result != MMSYSERR_NOERROR) return result;
    controls.clear();
    for (const auto& record : records) {
        MixerControl control;
        control.ControlID = record.dwControlID;
        control.ControlType = record.dwControlType;
        controls.push_back(control);
    }
    return result;
}

uint32_t Win32Mixer::GetControlValue(HMixer handle, uint32_t controlId, uint32_t& value) {
    MIXERCONTROLDETAILS_UNSIGNED detail{};
    MIXERCONTROLDETAILS details = SingleValueDetails(controlId, detail);
    const MMRESULT result = mixerGetControlDetailsA(
        HandleObject(handle), &details, MIXER_GETCONTROLDETAILSF_VALUE | kByMixerObject);
    if (result == MMSYSERR_NOERROR) value = detail.dwValue;
    return result;
}

uint32_t Win32Mixer::SetControlValue(HMixer handle, uint32_t controlId, uint32_t value) {
    MIXERCONTROLDETAILS_UNSIGNED detail{};
    detail.dwValue = value;
    MIXERCONTROLDETAILS details = SingleValueDetails(controlId, detail);
    return mixerSetControlDetails(HandleObject(handle), &details,
                                  MIXER_SETCONTROLDETAILSF_VALUE | kByMixerObject);
}

std::string Win32Mixer::ErrorText(uint32_t code) {
    char text[256] = {};
    if (waveInGetErrorTextA(code, text, sizeof text) != MMSYSERR_NOERROR) return {};
    return FieldText(text);
}
