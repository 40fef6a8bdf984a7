#pragma once
// Fuzz input read as single bytes (choices) and strings ended by 0xFF, a corpus readable by hand.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

inline void Check(bool condition) {  // a broken promise: a finding libFuzzer keeps
    if (!condition) std::abort();
}

struct FuzzInput {
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest(reinterpret_cast<const char*>(data), size) {}
    std::uint8_t Byte() {
        const auto byte = static_cast<std::uint8_t>(rest.empty() ? 0 : rest.front());
        if (!rest.empty()) rest.remove_prefix(1);
        return byte;
    }
    // Up to the next 0xFF (dropped), or all that is left.
    std::string Piece() {
        const std::string piece(rest.substr(0, rest.find('\xFF')));
        rest.remove_prefix(piece.size() < rest.size() ? piece.size() + 1 : rest.size());
        return piece;
    }
    std::string_view rest;
};
