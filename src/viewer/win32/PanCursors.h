#pragma once
// The five cursors of middle-button panning (numbers -30 to -34): a neutral one and one for each
// direction the view moves in. They are made once, on first use, and live as long as the program.
#include <windows.h>

namespace tavrix::win32 {

// The pan cursor with that number, or the I-beam for any other number.
HCURSOR PanCursor(int cursorNumber);
// Sets the pointer's shape to the cursor with that number (the I-beam for 0 or unknown numbers).
void ShowViewerCursor(int cursorNumber);

} // namespace tavrix::win32
