#pragma once
// A hook for the program's message loop: the main window installs a filter that turns keyboard
// shortcuts into commands before the message is dispatched to the window under focus.
#include <windows.h>

#include <functional>

namespace tavrix::win32 {

using AcceleratorHook = std::function<bool(MSG& message)>;

// Installs the filter (an empty function removes it).
void SetAcceleratorHook(AcceleratorHook filter);
// True when the installed filter handled the message; it must then not be dispatched.
bool RunAcceleratorHook(MSG& message);

} // namespace tavrix::win32
