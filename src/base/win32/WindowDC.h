#pragma once
// GetDC for a scope, ReleaseDC at its end. A null window means the screen.
#include <windows.h>

namespace tavrix::win32 {

class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

} // namespace tavrix::win32
