#pragma once
// Scaling of designed 96-DPI sizes to the screen and the resolution the program runs at.
#include <windows.h>

namespace tavrix::win32 {

// Logical pixels per inch of the screen (LOGPIXELSY).
int ScreenPixelsPerInch();
// A designed font height in points, as a negative pixel height at the screen's resolution.
int FontHeightForPoints(int points);

} // namespace tavrix::win32
