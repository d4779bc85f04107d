#pragma once
// Builds ".ico" file images for tests: one bitmap image of the given size and depth.
#include "LittleEndian.h"

#include <cstdint>
#include <vector>

namespace tavrix::testing {

inline std::vector<std::uint8_t> MakeIconImage(int width, int height, int bitCount = 32) {
    const std::uint32_t colorStride = (static_cast<std::uint32_t>(width * bitCount) + 31) / 32 * 4;
    const std::uint32_t maskStride = (static_cast<std::uint32_t>(width) + 31) / 32 * 4;
    const std::uint32_t palette = bitCount <= 8 ? (1u << bitCount) * 4 : 0;
    const std::uint32_t imageSize =
        40 + palette + (colorStride + maskStride) * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> out;
    PutLe(out, 0, 2); // reserved
    PutLe(out, 1, 2); // icon
    PutLe(out, 1, 2); // one image
    out.push_back(static_cast<std::uint8_t>(width == 256 ? 0 : width));
    out.push_back(static_cast<std::uint8_t>(height == 256 ? 0 : height));
    out.push_back(0); // colours
    out.push_back(0);
    PutLe(out, 1, 2);
    PutLe(out, static_cast<std::uint32_t>(bitCount), 2);
    PutLe(out, imageSize, 4);
    PutLe(out, 22, 4); // the image follows the directory
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(width), 4);
    PutLe(out, static_cast<std::uint32_t>(height * 2), 4);
    PutLe(out, 1, 2);
    PutLe(out, static_cast<std::uint32_t>(bitCount), 2);
    PutLe(out, 0, 4); // BI_RGB
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    out.resize(22 + imageSize, 0x80);
    return out;
}

} // namespace tavrix::testing
