#pragma once
// Device-independent bitmaps that carry transparency: 32 bits a pixel with blue, green and red
// in the low three bytes and alpha in the top one. Plenty of programs put 32-bit bitmaps on the
// clipboard whose top bytes are all zero (the byte was "reserved" for a long time); those are
// opaque pictures and stay drawn as such. Any other top byte is taken as alpha.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavrix {

// Pixels ready for blending: blue, green, red, alpha, the colours multiplied by alpha, the top
// row first.
struct PremultipliedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;
};

// The pixels of a packed bitmap (header, masks, colour table, pixels) that has an alpha channel
// whose bytes are not all zero. Nothing for other bitmaps, for blocks too short for their
// pixels and for bitmaps beyond the decoding limits.
std::optional<PremultipliedPicture> ReadAlphaDib(std::span<const std::uint8_t> block);

} // namespace tavrix
