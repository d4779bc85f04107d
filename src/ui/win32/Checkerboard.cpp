#include "ui/win32/Checkerboard.h"

#include "base/win32/BitmapDC.h"
#include "base/win32/GdiObjects.h"

#include <algorithm>

namespace tavrix::win32 {

void FillCheckerboard(HDC dc, const RECT& rect, int cell) {
    cell = std::max(1, cell);
    // One tile of two by two squares as a pattern brush: a single fill however large the rect.
    Bitmap tile(CreateCompatibleBitmap(dc, 2 * cell, 2 * cell));
    if (!tile) {
        return;
    }
    {
        const BitmapDC memory = scoped::CreateCompatibleDC(dc, tile.get());
        if (!memory) {
            return;
        }
        Brush light(CreateSolidBrush(kCheckerLight));
        Brush dark(CreateSolidBrush(kCheckerDark));
        const RECT whole{0, 0, 2 * cell, 2 * cell};
        FillRect(memory.get(), &whole, light.get());
        const RECT topRight{cell, 0, 2 * cell, cell};
        const RECT bottomLeft{0, cell, cell, 2 * cell};
        FillRect(memory.get(), &topRight, dark.get());
        FillRect(memory.get(), &bottomLeft, dark.get());
    }
    Brush pattern(CreatePatternBrush(tile.get()));
    if (!pattern) {
        return;
    }
    POINT previous{};
    SetBrushOrgEx(dc, rect.left, rect.top, &previous);
    FillRect(dc, &rect, pattern.get());
    SetBrushOrgEx(dc, previous.x, previous.y, nullptr);
}

} // namespace tavrix::win32
