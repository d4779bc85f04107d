#pragma once
// A memory device context with a bitmap selected into it, for drawing into the bitmap or copying
// out of it. The context's own bitmap goes back in before the context is deleted, so the
// selected bitmaps are free to be deleted by their owners afterwards.
#include "base/win32/GdiObjects.h"
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::win32 {

struct BitmapDCTraits {
    using Handle = HDC;
    HGDIOBJ original = nullptr; // the bitmap the context was born with
    static Handle Invalid() noexcept { return nullptr; }
    void Close(Handle dc) const noexcept {
        if (original != nullptr) {
            ::SelectObject(dc, original);
        }
        DeleteDC(dc);
    }
};

using BitmapDC = Unique<BitmapDCTraits>;

// Selects bitmap in place of the one selected now; false when the context refuses it.
inline bool SelectBitmap(const BitmapDC& dc, HBITMAP bitmap) {
    if (!dc) {
        return false;
    }
    HGDIOBJ previous = ::SelectObject(dc.get(), bitmap);
    return previous != nullptr && previous != HGDI_ERROR;
}

namespace scoped {
// A context compatible with compatibleWith (null: the screen), with bitmap selected when given.
inline BitmapDC CreateCompatibleDC(HDC compatibleWith, HBITMAP bitmap = nullptr) {
    HDC dc = ::CreateCompatibleDC(compatibleWith);
    if (dc == nullptr) {
        return {};
    }
    BitmapDC owned(dc, BitmapDCTraits{.original = GetCurrentObject(dc, OBJ_BITMAP)});
    if (bitmap != nullptr) {
        SelectBitmap(owned, bitmap);
    }
    return owned;
}
} // namespace scoped

} // namespace tavrix::win32
