#include "platform/linux/AlsaMixer.h"

#include <alsa/asoundlib.h>

#include <cstdlib>
#include <string_view>

#include "platform/linux/MixerErrorText.h"

namespace {

constexpr std::size_t kNameChars = 63;     // szName holds 64 with its terminator
constexpr std::size_t kProductChars = 31;  // szPname holds 32

constexpr uint32_t kDestinations = 2;  // "Volume Control", "Recording Control"
constexpr uint32_t kVolumeKind = 0;
constexpr uint32_t kMuteKind = 1;

std::string Fit(std::string text, std::size_t chars) {
    if (text.size() > chars) text.resize(chars);
    return text;
}

// Line ids: the destination in the high half, source + 1 in the low half (0 for the
// destination itself). Control ids append the control's kind.
uint32_t LineIdOf(uint32_t destination, int source) {
    return (destination << 16) | static_cast<uint32_t>(source + 1);
}
uint32_t ControlIdOf(uint32_t lineId, uint32_t kind) {
    return (lineId << 4) | kind;
}

// ALSA reports every failure itself on stderr; here each one already becomes a result
// code that the program shows to the operator, so the library's own messages are noise.
void QuietAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

struct DeviceName {
    std::string ctl;  // name for snd_ctl_open / snd_mixer_attach
    int card = -1;    // -1 for "default"
};

bool DefaultOpens() {
    snd_ctl_t* ctl = nullptr;
    if (snd_ctl_open(&ctl, "default", 0) < 0) return false;
    snd_ctl_close(ctl);
    return true;
}

// Device 0 is "default" whenever there is something for it to reach.
std::vector<DeviceName> ListDevices() {
    std::vector<int> cards;
    int card = -1;
    while (snd_card_next(&card) == 0 && card >= 0) cards.push_back(card);
    std::vector<DeviceName> devices;
    if (!cards.empty() || DefaultOpens()) devices.push_back({"default", -1});
    for (int c : cards) devices.push_back({"hw:" + std::to_string(c), c});
    return devices;
}

// "PCM" is the Wave line to the program, as Windows calls it.
std::string DisplayName(snd_mixer_elem_t* element) {
    std::string name = snd_mixer_selem_get_name(element);
    if (name == "PCM") name = "Wave";
    const unsigned index = snd_mixer_selem_get_index(element);
    if (index > 0) name += " " + std::to_string(index);
    return name;
}

// 0..65535 onto min..max and back, rounding to nearest both ways so that a value
// written reads back the same wherever the element has at least as many steps.
uint32_t ToScale(long raw, long min, long max) {
    if (max <= min) return 0;
    if (raw < min) raw = min;
    if (raw > max) raw = max;
    const int64_t range = static_cast<int64_t>(max) - min;
    return static_cast<uint32_t>(((static_cast<int64_t>(raw) - min) * 65535 + range / 2) / range);
}
long FromScale(uint32_t value, long min, long max) {
    const int64_t range = static_cast<int64_t>(max) - min;
    return static_cast<long>(min + (static_cast<int64_t>(value) * range + 32767) / 65535);
}

// The element's volume and switch in one direction.
struct Direction {
    bool capture;

    bool HasVolume(snd_mixer_elem_t* e) const {
        return capture ? snd_mixer_selem_has_capture_volume(e)
                       : snd_mixer_selem_has_playback_volume(e);
    }
    bool HasSwitch(snd_mixer_elem_t* e) const {
        return capture ? snd_mixer_selem_has_capture_switch(e)
                       : snd_mixer_selem_has_playback_switch(e);
    }
    bool HasChannel(snd_mixer_elem_t* e, snd_mixer_selem_channel_id_t ch) const {
        return capture ? snd_mixer_selem_has_capture_channel(e, ch)
                       : snd_mixer_selem_has_playback_channel(e, ch);
    }
    void Range(snd_mixer_elem_t* e, long& min, long& max) const {
        if (capture)
            snd_mixer_selem_get_capture_volume_range(e, &min, &max);
        else
            snd_mixer_selem_get_playback_volume_range(e, &min, &max);
    }

    // The loudest channel stands for the control, as one value serves every channel.
    uint32_t ReadVolume(snd_mixer_elem_t* e) const {
        long min = 0, max = 0;
        Range(e, min, max);
        bool any = false;
        long loudest = min;
        for (int ch = 0; ch <= SND_MIXER_SCHN_LAST; ++ch) {
            const auto id = static_cast<snd_mixer_selem_channel_id_t>(ch);
            if (!HasChannel(e, id)) continue;
            long value = 0;
            const int err = capture ? snd_mixer_selem_get_capture_volume(e, id, &value)
                                    : snd_mixer_selem_get_playback_volume(e, id, &value);
            if (err < 0) continue;
            if (!any || value > loudest) loudest = value;
            any = true;
        }
        return any ? ToScale(loudest, min, max) : 0;
    }
    int WriteVolume(snd_mixer_elem_t* e, uint32_t value) const {
        long min = 0, max = 0;
        Range(e, min, max);
        const long raw = FromScale(value, min, max);
        return capture ? snd_mixer_selem_set_capture_volume_all(e, raw)
                       : snd_mixer_selem_set_playback_volume_all(e, raw);
    }
    // Muted while no channel is switched on.
    uint32_t ReadMute(snd_mixer_elem_t* e) const {
        for (int ch = 0; ch <= SND_MIXER_SCHN_LAST; ++ch) {
            const auto id = static_cast<snd_mixer_selem_channel_id_t>(ch);
            if (!HasChannel(e, id)) continue;
            int on = 0;
            const int err = capture ? snd_mixer_selem_get_capture_switch(e, id, &on)
                                    : snd_mixer_selem_get_playback_switch(e, id, &on);
            if (err >= 0 && on) return 0;
        }
        return 1;
    }
    int WriteMute(snd_mixer_elem_t* e, bool mute) const {
        return capture ? snd_mixer_selem_set_capture_switch_all(e, mute ? 0 : 1)
                       : snd_mixer_selem_set_playback_switch_all(e, mute ? 0 : 1);
    }
};

struct Line {
    MixerLine info;
    // The element behind the controls, found again by name and index at each use, so
    // an element that goes away mid-session fails cleanly instead of dangling.
    std::string elementName;
    unsigned elementIndex = 0;
    bool hasElement = false;
    Direction direction{false};
    std::vector<MixerControl> controls;
};

}  // namespace

class AlsaMixer::Session {
public:
    Session(uint32_t device) : device_(device) {}
    ~Session() {
        if (mixer_) snd_mixer_close(mixer_);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    uint32_t Device() const { return device_; }

    bool Open(const std::string& ctlName) {
        if (snd_mixer_open(&mixer_, 0) < 0) {
            mixer_ = nullptr;
            return false;
        }
        if (snd_mixer_attach(mixer_, ctlName.c_str()) < 0) return false;
        if (snd_mixer_selem_register(mixer_, nullptr, nullptr) < 0) return false;
        if (snd_mixer_load(mixer_) < 0) return false;
        BuildLayout();
        return true;
    }

    uint32_t LineInfo(MixerLine& line, LineQuery query) const {
        const Line* found = nullptr;
        switch (query) {
            case LineQuery::ByDestination:
                found = Destination(line.Destination);
                break;
            case LineQuery::BySource:
                if (const Line* d = Destination(line.Destination);
                    d && line.Source < d->info.Connections) {
                    found = ById(LineIdOf(line.Destination, static_cast<int>(line.Source)));
                }
                break;
            case LineQuery::ByLineId:
                found = ById(line.LineID);
                break;
            default:
                return mmsyserr::kInvalidFlag;
        }
        if (!found) return mmsyserr::kInvalidLine;
        line = found->info;
        return mmsyserr::kNoError;
    }

    uint32_t LineControls(uint32_t lineId, uint32_t count,
                          std::vector<MixerControl>& controls) const {
        const Line* line = ById(lineId);
        if (!line) return mmsyserr::kInvalidLine;
        if (count != line->controls.size()) return mmsyserr::kInvalidParam;
        controls = line->controls;
        return mmsyserr::kNoError;
    }

    uint32_t GetValue(uint32_t controlId, uint32_t& value) {
        // Pick up changes made elsewhere (another mixer program, the sound server).
        snd_mixer_handle_events(mixer_);
        const Line* line = nullptr;
        snd_mixer_elem_t* element = nullptr;
        const uint32_t result = Resolve(controlId, line, element);
        if (result != mmsyserr::kNoError) return result;
        value = (controlId & 0xF) == kVolumeKind ? line->direction.ReadVolume(element)
                                                 : line->direction.ReadMute(element);
        return mmsyserr::kNoError;
    }

    uint32_t SetValue(uint32_t controlId, uint32_t value) {
        const Line* line = nullptr;
        snd_mixer_elem_t* element = nullptr;
        const uint32_t result = Resolve(controlId, line, element);
        if (result != mmsyserr::kNoError) return result;
        int err = 0;
        if ((controlId & 0xF) == kVolumeKind) {
            if (value > 65535) return mmsyserr::kInvalidValue;
            err = line->direction.WriteVolume(element, value);
        } else {
            err = line->direction.WriteMute(element, value != 0);
        }
        return err < 0 ? mmsyserr::kError : mmsyserr::kNoError;
    }

private:
    const Line* Destination(uint32_t index) const {
        return index < kDestinations ? ById(LineIdOf(index, -1)) : nullptr;
    }
    const Line* ById(uint32_t lineId) const {
        for (const Line& line : lines_) {
            if (line.info.LineID == lineId) return &line;
        }
        return nullptr;
    }

    uint32_t Resolve(uint32_t controlId, const Line*& line, snd_mixer_elem_t*& element) const {
        line = ById(controlId >> 4);
        const uint32_t kind = controlId & 0xF;
        if (!line || !line->hasElement || kind >= line->controls.size())
            return mmsyserr::kInvalidControl;
        snd_mixer_selem_id_t* id = nullptr;
        snd_mixer_selem_id_alloca(&id);
        snd_mixer_selem_id_set_name(id, line->elementName.c_str());
        snd_mixer_selem_id_set_index(id, line->elementIndex);
        element = snd_mixer_find_selem(mixer_, id);
        return element ? mmsyserr::kNoError : mmsyserr::kInvalidControl;
    }

    void BuildLayout() {
        std::vector<snd_mixer_elem_t*> elements;
        for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer_); e; e = snd_mixer_elem_next(e)) {
            if (snd_mixer_selem_is_active(e)) elements.push_back(e);
        }
        const Direction playback{false};
        const Direction capture{true};

        snd_mixer_elem_t* master = nullptr;
        for (snd_mixer_elem_t* e : elements) {
            if (playback.HasVolume(e) &&
                std::string_view(snd_mixer_selem_get_name(e)) == "Master" &&
                snd_mixer_selem_get_index(e) == 0) {
                master = e;
                break;
            }
        }
        for (snd_mixer_elem_t* e : elements) {
            if (!master && playback.HasVolume(e)) master = e;
        }

        AddDestination(0, "Volume Control", master, playback);
        int source = 0;
        for (snd_mixer_elem_t* e : elements) {
            if (e != master && playback.HasVolume(e)) AddSource(0, source++, e, playback);
        }
        lines_[0].info.Connections = static_cast<uint32_t>(source);

        const std::size_t recording = lines_.size();
        AddDestination(1, "Recording Control", nullptr, capture);
        source = 0;
        for (snd_mixer_elem_t* e : elements) {
            if (capture.HasVolume(e)) AddSource(1, source++, e, capture);
        }
        lines_[recording].info.Connections = static_cast<uint32_t>(source);
    }

    void AddDestination(uint32_t destination, const char* name, snd_mixer_elem_t* element,
                        Direction direction) {
        Line line;
        line.info.Destination = destination;
        line.info.LineID = LineIdOf(destination, -1);
        line.info.Name = name;
        Attach(line, element, direction);
        lines_.push_back(std::move(line));
    }

    void AddSource(uint32_t destination, int source, snd_mixer_elem_t* element,
                   Direction direction) {
        Line line;
        line.info.Destination = destination;
        line.info.Source = static_cast<uint32_t>(source);
        line.info.LineID = LineIdOf(destination, source);
        line.info.Name = Fit(DisplayName(element), kNameChars);
        Attach(line, element, direction);
        lines_.push_back(std::move(line));
    }

    // Gives the line the element's volume and, when it has one, its switch as a mute.
    static void Attach(Line& line, snd_mixer_elem_t* element, Direction direction) {
        line.direction = direction;
        if (!element) return;
        line.hasElement = true;
        line.elementName = snd_mixer_selem_get_name(element);
        line.elementIndex = snd_mixer_selem_get_index(element);
        line.controls.push_back({ControlIdOf(line.info.LineID, kVolumeKind), kVolumeControlType});
        if (direction.HasSwitch(element))
            line.controls.push_back({ControlIdOf(line.info.LineID, kMuteKind), kMuteControlType});
        line.info.Controls = static_cast<uint32_t>(line.controls.size());
    }

    uint32_t device_;
    snd_mixer_t* mixer_ = nullptr;
    std::vector<Line> lines_;  // "Volume Control", its sources, "Recording Control", its sources
};

AlsaMixer::AlsaMixer() {
    snd_lib_error_set_handler(QuietAlsaErrors);
}

AlsaMixer::~AlsaMixer() = default;

uint32_t AlsaMixer::GetNumDevs() {
    return static_cast<uint32_t>(ListDevices().size());
}

uint32_t AlsaMixer::GetDevCaps(uint32_t device, MixerCaps& caps) {
    const std::vector<DeviceName> devices = ListDevices();
    if (device >= devices.size()) return mmsyserr::kBadDeviceId;
    const DeviceName& dev = devices[device];
    std::string name;
    if (dev.card >= 0) {
        char* cardName = nullptr;
        if (snd_card_get_name(dev.card, &cardName) < 0) return mmsyserr::kNoDriver;
        name = cardName;
        std::free(cardName);
    } else {
        snd_ctl_t* ctl = nullptr;
        if (snd_ctl_open(&ctl, dev.ctl.c_str(), 0) < 0) return mmsyserr::kNoDriver;
        snd_ctl_card_info_t* info = nullptr;
        snd_ctl_card_info_alloca(&info);
        std::string target;
        if (snd_ctl_card_info(ctl, info) >= 0) target = snd_ctl_card_info_get_name(info);
        snd_ctl_close(ctl);
        // Says which card "default" reaches, as a card of its own also appears in the list.
        name = target.empty() ? "Default" : "Default (" + target + ")";
    }
    caps.ProductName = Fit(name, kProductChars);
    caps.Destinations = kDestinations;
    return mmsyserr::kNoError;
}

uint32_t AlsaMixer::OpenSession(uint32_t device, std::unique_ptr<Session>& session) {
    const std::vector<DeviceName> devices = ListDevices();
    if (device >= devices.size()) return mmsyserr::kBadDeviceId;
    auto opened = std::make_unique<Session>(device);
    if (!opened->Open(devices[device].ctl)) return mmsyserr::kNoDriver;
    session = std::move(opened);
    return mmsyserr::kNoError;
}

AlsaMixer::Session* AlsaMixer::OpenedSession(HMixer handle) {
    const auto it = sessions_.find(handle);
    return it == sessions_.end() ? nullptr : it->second.get();
}

uint32_t AlsaMixer::Open(uint32_t device, uintptr_t /*callbackWindow*/, HMixer& handle) {
    // Change notifications are not sent: the program never acts on them.
    std::unique_ptr<Session> session;
    const uint32_t result = OpenSession(device, session);
    if (result != mmsyserr::kNoError) return result;
    handle = nextHandle_++;
    sessions_.emplace(handle, std::move(session));
    return mmsyserr::kNoError;
}

uint32_t AlsaMixer::Close(HMixer handle) {
    return sessions_.erase(handle) ? mmsyserr::kNoError : mmsyserr::kInvalidHandle;
}

uint32_t AlsaMixer::GetLineInfo(uint32_t device, MixerLine& line, LineQuery query) {
    // An open session of the device answers at once; otherwise the device is opened just
    // for this query, as Windows allows line queries without an open handle.
    for (const auto& [handle, session] : sessions_) {
        if (session->Device() == device) return session->LineInfo(line, query);
    }
    std::unique_ptr<Session> session;
    const uint32_t result = OpenSession(device, session);
    if (result != mmsyserr::kNoError) return result;
    return session->LineInfo(line, query);
}

uint32_t AlsaMixer::GetLineControls(HMixer handle, uint32_t lineId, uint32_t count,
                                    std::vector<MixerControl>& controls) {
    Session* session = OpenedSession(handle);
    return session ? session->LineControls(lineId, count, controls) : mmsyserr::kInvalidHandle;
}

uint32_t AlsaMixer::GetControlValue(HMixer handle, uint32_t controlId, uint32_t& value) {
    Session* session = OpenedSession(handle);
    return session ? session->GetValue(controlId, value) : mmsyserr::kInvalidHandle;
}

uint32_t AlsaMixer::SetControlValue(HMixer handle, uint32_t controlId, uint32_t value) {
    Session* session = OpenedSession(handle);
    return session ? session->SetValue(controlId, value) : mmsyserr::kInvalidHandle;
}

std::string AlsaMixer::ErrorText(uint32_t code) {
    return LinuxMixerErrorText(code);
}
