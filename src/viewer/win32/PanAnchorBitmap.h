#pragma once
// The pan anchor as a GDI bitmap with a transparency mask, drawn over the viewer's picture while
// pan mode is on.
#include "base/win32/GdiObjects.h"
#include "viewer/PanArtwork.h"

#include <windows.h>

namespace tavrix::win32 {

class PanAnchorBitmap {
public:
    PanAnchorBitmap() = default;
    PanAnchorBitmap(const PanAnchorBitmap&) = delete;
    PanAnchorBitmap& operator=(const PanAnchorBitmap&) = delete;

    // Draws the 32 x 32 picture with its top left at (x, y); clear pixels leave dc as it was.
    void Draw(HDC dc, int x, int y);

private:
    void Make(HDC dc);
    Bitmap image_; // dark and light pixels, black where clear
    Bitmap mask_;  // white where clear, black elsewhere
};

} // namespace tavrix::win32
