#pragma once
// Splits a fuzz input into single bytes (choices) and byte strings ended by 0xFF, so that
// the corpus stays readable by hand.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// A finding: libFuzzer keeps the input.
inline void Check(bool condition) {
    if (!condition) std::abort();
}

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}
    std::uint8_t Byte() {
        if (Empty()) return 0;
        const auto byte = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }
    // Up to the next 0xFF (dropped), or all that is left.
    std::string Piece() {
        const std::size_t end = rest_.find('\xFF');
        const std::string piece(rest_.substr(0, end));
        rest_.remove_prefix(end == rest_.npos ? rest_.size() : end + 1);
        return piece;
    }
    std::string_view Rest() const { return rest_; }
    bool Empty() const { return rest_.empty(); }

private:
    std::string_view rest_;
};
