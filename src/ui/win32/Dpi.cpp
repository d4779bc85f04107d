#include "ui/win32/Dpi.h"

#include "ui/win32/Gdi.h"

namespace tavrix::win32 {

int ScreenPixelsPerInch() {
    WindowDC screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

int FontHeightForPoints(int points) {
    return -MulDiv(points, ScreenPixelsPerInch(), 72);
}

} // namespace tavrix::win32
