#pragma once
// Little-endian numbers in bytes that a file or another program wrote. The caller makes sure the
// bytes are there.
#include <cstddef>
#include <cstdint>
#include <span>

namespace tavrix {

inline std::uint16_t ReadLe16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

inline std::uint32_t ReadLe32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return ReadLe16(bytes, at) | (static_cast<std::uint32_t>(ReadLe16(bytes, at + 2)) << 16);
}

} // namespace tavrix
