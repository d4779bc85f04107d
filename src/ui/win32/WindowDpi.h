#pragma once
// The resolution a window is drawn at, and the frame around a client area at a resolution.
#include <windows.h>

namespace tavrix::win32 {

// The screen's resolution as the program reads it everywhere else.
int ScreenDpi();

// The window's own resolution when it sits on a screen of another resolution than the system's
// (systems that tell it), otherwise the screen's.
int ReadWindowDpi(HWND window);

// The window rectangle around a client area of width x height at the given resolution; the
// system's frame calculation for that resolution where it has one.
RECT FrameForClient(int width, int height, DWORD style, DWORD exStyle, bool menu, int dpi);

} // namespace tavrix::win32
