#include "audio/MixerInventory.h"

#include <cmath>

#include "base/MessagePresenter.h"
#include "base/Translation.h"

namespace {

// Letters A to Z only, as the line names are matched.
std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// Fixed texts for the codes the operator is most likely to meet; the rest come from
// the system.
const char* KnownErrorText(uint32_t code) {
    switch (code) {
        case 2:
            return TRANSLATABLE("SoundCard", "Specified device identifier is out of range.");
        case 4:
            return TRANSLATABLE("SoundCard", "Specified resource is already allocated.");
        case 5:
            return TRANSLATABLE("SoundCard", "The device handle is invalid.");
        case 6:
            return TRANSLATABLE("SoundCard", "No device driver is present.");
        case 7:
            return TRANSLATABLE("SoundCard", "Unable to allocate or lock memory.");
        case 8:
            return TRANSLATABLE("SoundCard", "Function isn't supported.");
        case 32:
            return TRANSLATABLE("SoundCard",
                                "Attempted to open with an unsupported waveform-audio format.");
        default:
            return nullptr;
    }
}

}  // namespace

uint32_t PercentToRaw(int percent) {
    // Percent x 65535 div 100, truncated; 64-bit so out-of-range callers cannot overflow.
    const int64_t scaled = (static_cast<int64_t>(percent) * 65536 - percent) / 100;
    return static_cast<uint32_t>(scaled);
}

int RawToPercent(uint32_t raw) {
    return static_cast<int>(std::lround(raw * 100 / 65535.0));
}

// ---- SoundLine ----

SoundLine::SoundLine(MixerInventory& owner, bool isDestination, bool isOutput, uint32_t lineId,
                     std::string name)
    : Owner(owner),
      IsDestination(isDestination),
      IsOutput(isOutput),
      Name(std::move(name)),
      LineID(lineId) {}

int SoundLine::IndexOfType(uint32_t controlType) const {
    for (int i = 0; i < Count(); ++i) {
        if (controls_[i].ControlType == controlType) return i;
    }
    return -1;
}

uint32_t SoundLine::GetValue(int controlIndex) const {
    if (controlIndex < 0 || controlIndex >= Count()) return 0;
    uint32_t value = 0;
    // A failed read leaves the value at 0, which is what the caller shows.
    Owner.mixer_.GetControlValue(Owner.MixerHandle_, controls_[controlIndex].ControlID, value);
    return value;
}

uint32_t SoundLine::SetValue(int controlIndex, uint32_t value) const {
    if (controlIndex < 0 || controlIndex >= Count()) return mmsyserr::kInvalidParam;
    return Owner.mixer_.SetControlValue(Owner.MixerHandle_, controls_[controlIndex].ControlID,
                                        value);
}

// ---- SoundLineList ----

int SoundLineList::AddDevice(bool isDestination, bool isOutput, uint32_t lineId,
                             const std::string& name) {
    devices_.push_back(std::make_unique<SoundLine>(Owner, isDestination, isOutput, lineId, name));
    return Count() - 1;
}

int SoundLineList::FindDevice(bool isDestination, bool isOutput,
                              const std::string& namePart) const {
    const std::string part = AsciiLower(namePart);
    for (int i = 0; i < Count(); ++i) {
        const SoundLine& line = *devices_[i];
        if (line.IsDestination != isDestination || line.IsOutput != isOutput) continue;
        if (part.empty() || AsciiLower(line.Name).find(part) != std::string::npos) return i;
    }
    return -1;
}

// ---- MixerInventory ----

MixerInventory::MixerInventory(Mixer& mixer, MessagePresenter& presenter, uintptr_t callbackWindow,
                               int deviceIndex)
    : mixer_(mixer),
      presenter_(presenter),
      Devices_(*this),
      DeviceIndex_(deviceIndex),
      CallbackWindow_(callbackWindow) {
    OpenMixer();
}

MixerInventory::~MixerInventory() {
    if (MixerHandle_ != kMixerClosed) mixer_.Close(MixerHandle_);
}

int MixerInventory::GetMixerCount() {
    return static_cast<int>(mixer_.GetNumDevs());
}

std::string MixerInventory::GetDeviceName(int deviceIndex) {
    if (deviceIndex < 0) return {};  // no device: nothing to report
    LastError_ = mixer_.GetDevCaps(static_cast<uint32_t>(deviceIndex), CapsBuffer_);
    if (CheckError()) return {};
    return CapsBuffer_.ProductName;
}

int MixerInventory::FindMasterLine() const {
    return Devices_.FindDevice(true, true, "");
}

int MixerInventory::FindWaveLine() const {
    return Devices_.FindDevice(false, true, "WAVE");
}

int MixerInventory::GetVolume(int lineIndex) {
    if (lineIndex < 0) lineIndex = FindMasterLine();
    if (lineIndex < 0 || lineIndex >= Devices_.Count()) return 0;
    const SoundLine& line = Devices_[lineIndex];
    const int control = line.IndexOfType(kVolumeControlType);
    if (control < 0) return 0;
    return RawToPercent(line.GetValue(control));
}

void MixerInventory::SetVolume(int lineIndex, int percent) {
    const uint32_t raw = PercentToRaw(percent);
    if (lineIndex < 0) lineIndex = FindMasterLine();
    if (lineIndex < 0 || lineIndex >= Devices_.Count()) return;
    const SoundLine& line = Devices_[lineIndex];
    const int control = line.IndexOfType(kVolumeControlType);
    if (control < 0) return;
    // A failed write changes nothing the operator could act on, so it is not reported.
    line.SetValue(control, raw);
}

void MixerInventory::OpenMixer() {
    if (MixerHandle_ != kMixerClosed) LastError_ = mixer_.Close(MixerHandle_);
    MixerHandle_ = kMixerClosed;
    Devices_.Clear();
    if (DeviceIndex_ < 0) return;  // no device chosen: an empty inventory, no message

    // The inventory is taken even when opening fails: line queries go by device index.
    LastError_ = mixer_.Open(static_cast<uint32_t>(DeviceIndex_), CallbackWindow_, MixerHandle_);
    CheckError();
    LastError_ = mixer_.GetDevCaps(static_cast<uint32_t>(DeviceIndex_), CapsBuffer_);
    CheckError();

    for (uint32_t d = 0; d < CapsBuffer_.Destinations; ++d) {
        LineBuffer_.Destination = d;
        LastError_ = mixer_.GetLineInfo(static_cast<uint32_t>(DeviceIndex_), LineBuffer_,
                                        LineQuery::ByDestination);
        if (CheckError()) continue;
        const bool isOutput = AsciiLower(LineBuffer_.Name).find("rec") == std::string::npos;
        Devices_.AddDevice(true, isOutput, LineBuffer_.LineID, LineBuffer_.Name);

        const uint32_t connections = LineBuffer_.Connections;
        for (uint32_t s = 0; s < connections; ++s) {
            LineBuffer_.Destination = d;
            LineBuffer_.Source = s;
            LastError_ = mixer_.GetLineInfo(static_cast<uint32_t>(DeviceIndex_), LineBuffer_,
                                            LineQuery::BySource);
            if (CheckError()) continue;
            Devices_.AddDevice(false, isOutput, LineBuffer_.LineID, LineBuffer_.Name);
        }
    }

    for (int i = 0; i < Devices_.Count(); ++i) LoadControls(i);
}

void MixerInventory::LoadControls(int lineIndex) {
    if (lineIndex < 0 || lineIndex >= Devices_.Count()) return;
    SoundLine& line = Devices_[lineIndex];
    line.Clear();

    LineBuffer_.LineID = line.LineID;
    LastError_ =
        mixer_.GetLineInfo(static_cast<uint32_t>(DeviceIndex_), LineBuffer_, LineQuery::ByLineId);
    if (CheckError()) return;
    if (LineBuffer_.Controls == 0) return;

    std::vector<MixerControl> records;
    LastError_ = mixer_.GetLineControls(MixerHandle_, line.LineID, LineBuffer_.Controls, records);
    if (CheckError()) return;

    for (const MixerControl& record : records) line.Add(record);
}

bool MixerInventory::CheckError() {
    if (LastError_ == mmsyserr::kNoError) return false;
    const char* known = KnownErrorText(LastError_);
    const std::string text = known ? Translated("SoundCard", known) : mixer_.ErrorText(LastError_);
    if (!text.empty()) {
        presenter_.ShowMessage(
            Translated("SoundCard", "Sound Card error"), MessageKind::Error,
            FilledIn(Translated("SoundCard", "A problem was encountered with the sound card:;;%1"),
                     {text}));
    }
    return true;
}
