#pragma once
// Shows the wait cursor for a scope and puts back the cursor it replaced. A window whose work
// keeps the cursor must also answer WM_SETCURSOR with it meanwhile, or the next mouse move
// brings its class cursor back.
#include "base/ScopeExit.h"

#include <windows.h>

namespace tavrix::win32 {

struct RestoreCursor {
    HCURSOR previous = nullptr;
    void operator()() const noexcept { SetCursor(previous); }
};

using WaitCursor = ScopeExit<RestoreCursor>;

// The system's shared wait cursor (never destroyed).
inline HCURSOR WaitCursorShape() {
    return LoadCursorW(nullptr, IDC_WAIT);
}

inline WaitCursor ShowWaitCursor() {
    return WaitCursor(RestoreCursor{.previous = SetCursor(WaitCursorShape())});
}

} // namespace tavrix::win32
