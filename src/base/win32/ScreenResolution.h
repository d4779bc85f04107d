#pragma once
// The screen's resolution, read in one place for the whole program.

namespace tavrix::win32 {

// Logical pixels per inch of the screen, across and down; 96 when the system cannot tell.
struct ScreenResolution {
    int horizontal = 96;
    int vertical = 96;
};
ScreenResolution ReadScreenResolution();

} // namespace tavrix::win32
