#pragma once
// Scaling of sizes designed at 96 pixels per inch to the screen the program runs on.

namespace tavrix {

// The screen's resolution against 96 pixels per inch, and a designed size scaled by it.
double DpiFactor();
int ScaleByDpi(int count);
// The scaling rule itself: unchanged at 96 pixels per inch, otherwise rounded half to even.
int ScaleByDpi(int count, int pixelsPerInch);

} // namespace tavrix
