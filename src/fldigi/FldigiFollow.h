#pragma once
// What the modem program's answers mean for the meter: which PSK mode to measure, whether
// the status word gives way to a note, and whether the level control may step. No I/O here;
// the link that asks fldigi hands each poll's outcome in.

#include <string>
#include <string_view>

#include "base/Translation.h"

enum class FldigiMode { Psk31, Psk63, NotPsk };
enum class FldigiTrx { Receive, Transmit, Tune, Unknown };

// fldigi calls its modems "BPSK31", "BPSK63", ...; the plain names are taken too. Only
// binary PSK at 31 and 63 baud has the envelope the meter measures.
FldigiMode ModeOfModem(std::string_view modemName);
FldigiTrx TrxOfState(std::string_view trxState);

inline constexpr const char* kNotPskStatus = TRANSLATABLE("StatusWord", "NOT PSK");
inline constexpr const char* kFldigiDownStatus = TRANSLATABLE("StatusWord", "FLDIGI?");

class FldigiFollow {
public:
    enum class Link { Waiting, Up, Down };

    // One poll answered: the modem's name and the transmit state.
    void Answered(std::string_view modemName, std::string_view trxState);
    // One poll failed: refused, timed out, an HTTP error, a fault or an answer not understood.
    void Failed();

    Link LinkState() const { return link_; }
    FldigiMode Mode() const { return mode_; }
    // True when fldigi runs PSK63, false for PSK31; meaningless otherwise (see SelectsMode).
    bool WantsPsk63() const { return mode_ == FldigiMode::Psk63; }
    // Whether the last answer names a PSK mode the meter should measure.
    bool SelectsMode() const { return link_ == Link::Up && mode_ != FldigiMode::NotPsk; }
    // The level control steps only on a PSK signal fldigi says it sends. While fldigi
    // receives the meter sees no signal, and steps then would creep the drive up for the
    // next transmission; while the link is down nobody can say which it is.
    bool LevelStepsAllowed() const;
    // The note shown in place of the status word; empty when the status word stands.
    std::string StatusNote() const;

private:
    Link link_ = Link::Waiting;
    FldigiMode mode_ = FldigiMode::NotPsk;
    FldigiTrx trx_ = FldigiTrx::Unknown;
};
