#include "fldigi/FldigiFollow.h"

#include <cctype>

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The answers may come padded by a hand-written server; fldigi's own are bare.
std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

}  // namespace

FldigiMode ModeOfModem(std::string_view modemName) {
    const std::string_view name = Trimmed(modemName);
    if (SameIgnoringCase(name, "BPSK31") || SameIgnoringCase(name, "PSK31"))
        return FldigiMode::Psk31;
    if (SameIgnoringCase(name, "BPSK63") || SameIgnoringCase(name, "PSK63"))
        return FldigiMode::Psk63;
    return FldigiMode::NotPsk;
}

FldigiTrx TrxOfState(std::string_view trxState) {
    const std::string_view state = Trimmed(trxState);
    if (SameIgnoringCase(state, "RX")) return FldigiTrx::Receive;
    if (SameIgnoringCase(state, "TX")) return FldigiTrx::Transmit;
    if (SameIgnoringCase(state, "TUNE")) return FldigiTrx::Tune;
    return FldigiTrx::Unknown;
}

void FldigiFollow::Answered(std::string_view modemName, std::string_view trxState) {
    link_ = Link::Up;
    mode_ = ModeOfModem(modemName);
    trx_ = TrxOfState(trxState);
}

void FldigiFollow::Failed() {
    link_ = Link::Down;
    trx_ = FldigiTrx::Unknown;
}

bool FldigiFollow::LevelStepsAllowed() const {
    const bool sending = trx_ == FldigiTrx::Transmit || trx_ == FldigiTrx::Tune;
    return link_ == Link::Up && sending && mode_ != FldigiMode::NotPsk;
}

std::string FldigiFollow::StatusNote() const {
    if (link_ == Link::Down) return kFldigiDownStatus;
    if (link_ == Link::Up && mode_ == FldigiMode::NotPsk) return kNotPskStatus;
    return {};
}
