#include "rig/RigFollow.h"

#include <algorithm>
#include <charconv>

#include "rig/RigProtocol.h"

namespace {
std::string Rounded(double value, int decimals) {
    // What a rig may say, within what the text can hold; to_chars never follows the C locale.
    char text[32];
    const double held = std::clamp(value, -1e9, 1e9);
    return std::string(
        text,
        std::to_chars(text, text + sizeof text, held, std::chars_format::fixed, decimals).ptr);
}
}  // namespace

void RigFollow::Answered(const RigReading& reading) {
    link_ = Link::Up;
    reading_ = reading;
}

void RigFollow::Failed() {
    link_ = Link::Down;
    reading_ = RigReading();
}

std::string RigFollow::StatusNote(double swrAlert) const {
    if (link_ == Link::Down) return kRigDownStatus;
    if (Transmitting() && reading_.swr && *reading_.swr > swrAlert) return kHighSwrStatus;
    return {};
}

bool RigFollow::AlcActsOnSplatter(double imdDb, int targetImd) const {
    return Transmitting() && reading_.alcPercent && *reading_.alcPercent > 0.0 && imdDb > targetImd;
}

std::string RigFollow::MetersText(bool alcMarker) const {
    if (!Transmitting()) return {};
    std::string text = alcMarker ? Translated("RigMeters", kRigAlcMarker) : std::string();
    const auto add = [&text](const std::string& part) {
        text += (text.empty() ? "" : "  ") + part;
    };
    if (reading_.alcPercent)
        add(FilledIn(Translated("RigMeters", "ALC %1%"), {Rounded(*reading_.alcPercent, 0)}));
    if (reading_.swr) add(FilledIn(Translated("RigMeters", "SWR %1"), {Rounded(*reading_.swr, 1)}));
    if (reading_.watts)
        add(FilledIn(Translated("RigMeters", "%1 W"), {Rounded(*reading_.watts, 0)}));
    else if (reading_.powerPercent)
        add(FilledIn(Translated("RigMeters", "PWR %1%"), {Rounded(*reading_.powerPercent, 0)}));
    return text;
}

std::string RigFollow::ModeField() const {
    return reading_.frequencyHz ? RigFrequencyText(*reading_.frequencyHz, reading_.mode) : "";
}

std::string RigFollow::BandModeKey() const {
    return reading_.frequencyHz ? ::BandModeKey(*reading_.frequencyHz, reading_.mode) : "";
}

bool BandLevelKeeper::Follow(const std::string& key) {
    if (key == key_) return false;
    key_ = key;
    held_ = 0;
    kept_.reset();
    return !key.empty();
}

std::optional<int> BandLevelKeeper::Cycle(bool transmitting, bool meetsTarget, int level) {
    if (!transmitting || !meetsTarget || key_.empty()) {
        held_ = 0;
        return std::nullopt;
    }
    if (++held_ < kHoldCycles || kept_ == level) return std::nullopt;
    kept_ = level;
    return level;
}
