#pragma once
// The program behind a window: its process id and its executable's file name.
#include "clipboard/ClipboardBackend.h"

#include <windows.h>

#include <optional>

namespace tavrix::win32 {

// Remembers the last window's program: asked on every clipboard change, the owner is mostly the
// same window of the same process, and the process's name costs three system calls.
class WindowProcessCache {
public:
    // Nothing for no window; the name stays empty when the process cannot be queried (gone, or
    // another user's).
    std::optional<ClipboardProcess> ProcessOf(HWND window);

private:
    HWND window_ = nullptr;
    ClipboardProcess process_;
};

} // namespace tavrix::win32
