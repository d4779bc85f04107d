#pragma once
// BeginPaint for the scope of a WM_PAINT handler, EndPaint at its end.
#include <windows.h>

namespace tavrix::win32 {

class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() {
        if (dc_ != nullptr) {
            EndPaint(window_, &paint_);
        }
    }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC get() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

} // namespace tavrix::win32
