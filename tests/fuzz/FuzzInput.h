#pragma once
// A fuzz input as single bytes (choices) and byte strings ended by 0xFF, so that the corpus
// stays readable by hand. Check turns a broken promise into a finding libFuzzer keeps.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

inline void Check(bool condition) {
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
