#pragma once
// Splits one fuzz input into the pieces a target needs: single bytes for choices and
// byte strings separated by a 0xFF byte, so that the corpus stays readable by hand.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto byte = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }
    // Up to the next 0xFF byte (dropped), or all that is left.
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
