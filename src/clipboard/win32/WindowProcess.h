#pragma once
// The program behind a window: its process id and its executable's file name.
#include "clipboard/ClipboardBackend.h"

#include <windows.h>

#include <optional>

namespace tavrix::win32 {

// Nothing for no window; the name stays empty when the process cannot be queried (gone, or
// another user's).
std::optional<ClipboardProcess> ProcessOfWindow(HWND window);

} // namespace tavrix::win32
