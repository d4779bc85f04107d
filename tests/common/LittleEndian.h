#pragma once
// Appends little-endian integers to a byte buffer, for tests that build file and clipboard
// layouts byte by byte.
#include <cstdint>
#include <vector>

namespace tavrix::testing {

inline void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

} // namespace tavrix::testing
