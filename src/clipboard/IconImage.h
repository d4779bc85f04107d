#pragma once
// The ".ico" file image carried by "Delphi Icon" clipboard data: a directory of images followed
// by the images. The data comes from another program, so it is checked before the platform's
// icon loader sees it: every image must lie inside the block and be big enough for the bitmap
// its header describes (or be a PNG).
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavrix {

struct IconImageEntry {
    int width = 0;  // 1..256 (a directory value of 0 means 256)
    int height = 0; // 1..256
    int bitCount = 0;
    std::uint32_t offset = 0; // of the image, from the start of the block
    std::uint32_t size = 0;   // bytes of the image
    bool png = false;
};

// The directory entries of a plausible icon file image; nothing when the bytes are not one.
std::optional<std::vector<IconImageEntry>> ParseIconImage(std::span<const std::uint8_t> bytes);

} // namespace tavrix
