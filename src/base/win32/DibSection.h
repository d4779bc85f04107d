#pragma once
// A 32-bit top-down DIB section: blue, green, red and alpha bytes, the top row first, written
// directly through its bits. The form AlphaBlend takes with premultiplied colours.
#include "base/win32/GdiObjects.h"

#include <windows.h>

#include <cstdint>

namespace tavrix::win32 {

struct DibSection {
    Bitmap bitmap;
    std::uint8_t* bits = nullptr; // width * height * 4 bytes, valid while bitmap lives
};

inline DibSection CreateBgraDibSection(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    DibSection section;
    section.bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (section.bitmap) {
        section.bits = static_cast<std::uint8_t*>(bits);
    }
    return section;
}

} // namespace tavrix::win32
