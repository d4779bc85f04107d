#pragma once
// Builds packed device-independent bitmaps for tests: a 40-byte header and bottom-up 24-bit
// rows, each padded to four bytes, every pixel byte set to one value.
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

} // namespace tavrix::testing
