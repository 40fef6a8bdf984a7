#pragma once
// What the rig's answers mean for the meter: whether the level control may step, the note in
// place of the status word, the rig's meters beside ours, and the level kept per band and
// mode. No I/O here; the link that asks rigctld hands each poll's outcome in.

#include <optional>
#include <string>

#include "base/Translation.h"

inline constexpr const char* kRigDownStatus = TRANSLATABLE("StatusWord", "RIG?");
inline constexpr const char* kHighSwrStatus = TRANSLATABLE("StatusWord", "HIGH SWR");
inline constexpr const char* kRigAlcMarker = TRANSLATABLE("RigMeters", "RIG ALC");

// One poll's answers. Only the transmit state is sure to be there; the rest is what the rig
// offers and answered. The meters are read only while it transmits.
struct RigReading {
    bool ptt = false;
    std::optional<double> frequencyHz;
    std::string mode;  // Hamlib's name, "PKTUSB"; empty when not known
    std::optional<double> alcPercent;
    std::optional<double> swr;
    std::optional<double> watts;         // RFPOWER_METER_WATTS
    std::optional<double> powerPercent;  // RFPOWER_METER, where the rig has no watts
};

class RigFollow {
public:
    enum class Link { Waiting, Up, Down };

    void Answered(const RigReading& reading);
    void Failed();

    Link LinkState() const { return link_; }
    bool Transmitting() const { return link_ == Link::Up && reading_.ptt; }
    const RigReading& Reading() const { return reading_; }
    // The level control steps only while the rig transmits: while it receives the meter sees
    // no signal, and steps then would creep the drive up for the next transmission.
    bool LevelStepsAllowed() const { return Transmitting(); }
    // "RIG?" while the rig cannot be reached, "HIGH SWR" while it transmits into an SWR above
    // `swrAlert`; empty when the status word stands.
    std::string StatusNote(double swrAlert) const;
    // The rig's ALC acts while our IMD is worse than the target: the likeliest cause of splatter.
    bool AlcActsOnSplatter(double imdDb, int targetImd) const;
    // The rig's meters while it transmits ("ALC 40%  SWR 1.5  25 W"), after "RIG ALC" when
    // `alcMarker`; empty while it receives.
    std::string MetersText(bool alcMarker) const;
    // "14.070 USB"; empty without a frequency.
    std::string ModeField() const;
    // Where a level is kept for the rig's band and mode; empty when either is not known.
    std::string BandModeKey() const;

private:
    Link link_ = Link::Waiting;
    RigReading reading_;
};

// Decides when the level control's level is worth keeping for a band and mode, and when a
// change of band or mode should bring a kept one back.
class BandLevelKeeper {
public:
    // Cycles in a row at or better than the target, while transmitting, before the level is kept.
    static constexpr int kHoldCycles = 5;

    // The band and mode the rig is on now. True when they changed to a known pair: the
    // output's volume should start from the level kept for it, if any.
    bool Follow(const std::string& key);
    // One graph cycle's outcome at output level `level`. The level to keep under Key() once the
    // signal has met the target for kHoldCycles cycles in a row, unless it is kept already.
    std::optional<int> Cycle(bool transmitting, bool meetsTarget, int level);
    // A level now kept (restored or found) need not be written again.
    void Kept(int level) { kept_ = level; }
    const std::string& Key() const { return key_; }

private:
    std::string key_;
    int held_ = 0;
    std::optional<int> kept_;
};
