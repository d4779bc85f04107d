#pragma once
// BeginPaint for the scope of a WM_PAINT handler, EndPaint at its end.
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::win32 {

struct PaintTraits {
    using Handle = HDC;
    HWND window = nullptr;
    PAINTSTRUCT paint{};
    static Handle Invalid() noexcept { return nullptr; }
    void Close(Handle) const noexcept { EndPaint(window, &paint); }
};

using PaintDC = Unique<PaintTraits>;

// The part of the window that needs painting.
inline const RECT& PaintArea(const PaintDC& dc) {
    return dc.traits().paint.rcPaint;
}

namespace scoped {
inline PaintDC BeginPaint(HWND window) {
    PaintTraits traits{.window = window};
    HDC dc = ::BeginPaint(window, &traits.paint);
    return PaintDC(dc, traits);
}
} // namespace scoped

} // namespace tavrix::win32
