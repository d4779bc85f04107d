#include "ui/win32/Dpi.h"

#include "base/win32/WindowDC.h"

namespace tavrix::win32 {

int ScreenPixelsPerInch() {
    WindowDC screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

int FontHeightForPoints(int points) {
    return -MulDiv(points, ScreenPixelsPerInch(), 72);
}

} // namespace tavrix::win32
