#pragma once
// Pixels read back from a device context, and a PNG writer for keeping them as test artifacts
// (uncompressed deflate blocks: large files, no compression library needed).
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tavrix::testing {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb; // 0x00RRGGBB, top row first

    // As a COLORREF (0x00BBGGRR), to compare with the viewer's colours.
    COLORREF At(int x, int y) const {
        const std::uint32_t v = rgb[static_cast<std::size_t>(y * width + x)];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    int Count(COLORREF color, int left, int top, int right, int bottom) const {
        int n = 0;
        for (int y = top; y < bottom && y < height; ++y) {
            for (int x = left; x < right && x < width; ++x) {
                n += At(x, y) == color ? 1 : 0;
            }
        }
        return n;
    }
};

// Copies a width x height area of dc (from its top left) through a DIB section.
Pixels CapturePixels(HDC dc, int width, int height);
bool WritePng(const std::string& path, const Pixels& pixels);

} // namespace tavrix::testing
