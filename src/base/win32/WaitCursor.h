#pragma once
// Shows the wait cursor for the lifetime of the guard and puts back the cursor it replaced. A
// window whose work keeps the cursor must also answer WM_SETCURSOR with it meanwhile, or the
// next mouse move brings its class cursor back.
#include <windows.h>

namespace tavrix::win32 {

class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(Shape())) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // The system's shared wait cursor (never destroyed).
    static HCURSOR Shape() { return LoadCursorW(nullptr, IDC_WAIT); }

private:
    HCURSOR previous_;
};

} // namespace tavrix::win32
