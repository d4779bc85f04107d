#pragma once
// GetDC for a scope, ReleaseDC at its end. A null window means the screen.
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::win32 {

struct WindowDCTraits {
    using Handle = HDC;
    HWND window = nullptr;
    static Handle Invalid() noexcept { return nullptr; }
    void Close(Handle dc) const noexcept { ReleaseDC(window, dc); }
};

using WindowDC = Unique<WindowDCTraits>;

namespace scoped {
inline WindowDC GetDC(HWND window) {
    return WindowDC(::GetDC(window), WindowDCTraits{.window = window});
}
} // namespace scoped

} // namespace tavrix::win32
