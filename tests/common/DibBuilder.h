#pragma once
// Builds packed device-independent bitmaps for tests: 24-bit ones of one grey, and 32-bit ones of
// given pixels with a short or a version 5 header.
#include "LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavrix::testing {

inline std::vector<std::uint8_t> MakeDib(int width, int height, std::uint8_t fill = 0x80) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    std::vector<std::uint8_t> out;
    PutLe(out, 40, 4); // header size
    PutLe(out, static_cast<std::uint32_t>(width), 4);
    PutLe(out, static_cast<std::uint32_t>(height), 4); // positive: bottom-up
    PutLe(out, 1, 2);                                  // planes
    PutLe(out, 24, 2);                                 // bits per pixel
    PutLe(out, 0, 4);                                  // BI_RGB
    PutLe(out, 0, 4);                                  // image size, may be 0 for BI_RGB
    PutLe(out, 0, 4);                                  // pixels per metre
    PutLe(out, 0, 4);
    PutLe(out, 0, 4); // colours used
    PutLe(out, 0, 4); // colours important
    out.resize(out.size() + stride * static_cast<std::size_t>(height), fill);
    return out;
}

// Pixels as 0xAARRGGBB, the top row first. Stored bottom-up with a 40-byte header and BI_RGB, or
// top-down with a 124-byte header, BI_BITFIELDS and the usual masks.
inline std::vector<std::uint8_t>
MakeDib32(int width, int height, const std::vector<std::uint32_t>& argb, bool v5 = false) {
    std::vector<std::uint8_t> out;
    PutLe(out, v5 ? 124 : 40, 4);
    PutLe(out, static_cast<std::uint32_t>(width), 4);
    PutLe(out, static_cast<std::uint32_t>(v5 ? -height : height), 4);
    PutLe(out, 1, 2);
    PutLe(out, 32, 2);
    PutLe(out, v5 ? 3 : 0, 4); // BI_BITFIELDS or BI_RGB
    for (int i = 0; i < 5; ++i) {
        PutLe(out, 0, 4);
    }
    if (v5) {
        for (std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) {
            PutLe(out, mask, 4);
        }
        out.resize(124, 0);
    }
    for (int row = 0; row < height; ++row) {
        const int source = v5 ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            PutLe(out, argb[static_cast<std::size_t>(source * width + x)], 4);
        }
    }
    return out;
}

} // namespace tavrix::testing
