#include "viewer/win32/PanCursors.h"

#include "base/win32/UserObjects.h"
#include "viewer/PanArtwork.h"
#include "viewer/PanMode.h"

#include <array>
#include <cstdint>

namespace tavrix::win32 {

namespace {

// A cursor from the pan artwork: dark pixels black, light ones white, clear ones transparent.
Cursor MakeCursor(int number) {
    static constexpr PanPicture kPictures[] = {
        PanPicture::Neutral, PanPicture::Up, PanPicture::Down, PanPicture::Left, PanPicture::Right};
    const PanArt art = PanArtwork(kPictures[crPanNeutral - number]);
    constexpr int kRowBytes = kPanArtSize / 8;
    std::array<std::uint8_t, kPanArtSize * kRowBytes> andMask{};
    std::array<std::uint8_t, kPanArtSize * kRowBytes> xorMask{};
    andMask.fill(0xFF);
    for (int y = 0; y < kPanArtSize; ++y) {
        for (int x = 0; x < kPanArtSize; ++x) {
            const ArtPixel pixel = art[static_cast<std::size_t>(y * kPanArtSize + x)];
            if (pixel == ArtPixel::Clear) {
                continue;
            }
            const auto index = static_cast<std::size_t>(y * kRowBytes + x / 8);
            const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
            andMask[index] = static_cast<std::uint8_t>(andMask[index] & ~bit);
            if (pixel == ArtPixel::Light) {
                xorMask[index] = static_cast<std::uint8_t>(xorMask[index] | bit);
            }
        }
    }
    return Cursor(CreateCursor(GetModuleHandleW(nullptr), kPanArtSize / 2, kPanArtSize / 2,
                               kPanArtSize, kPanArtSize, andMask.data(), xorMask.data()));
}

// The five cursors, neutral first, in the order of their numbers counting down.
using PanCursorSet = std::array<Cursor, 5>;

PanCursorSet MakePanCursors() {
    PanCursorSet cursors;
    for (int i = 0; i < 5; ++i) {
        cursors[static_cast<std::size_t>(i)] = MakeCursor(crPanNeutral - i);
    }
    return cursors;
}

} // namespace

HCURSOR PanCursor(int cursorNumber) {
    if (cursorNumber <= crPanNeutral && cursorNumber >= crPanRight) {
        static const PanCursorSet cursors = MakePanCursors();
        HCURSOR cursor = cursors[static_cast<std::size_t>(crPanNeutral - cursorNumber)].get();
        if (cursor != nullptr) {
            return cursor;
        }
    }
    return LoadCursorW(nullptr, IDC_IBEAM);
}

void ShowViewerCursor(int cursorNumber) {
    SetCursor(PanCursor(cursorNumber));
}

} // namespace tavrix::win32
