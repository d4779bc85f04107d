#pragma once
// Text for the console a script started the program from. The program is a window program and
// has no console of its own: it writes to the standard handles it was given (redirected by the
// script), or else to the console of the process that started it.
#include <string>

namespace tavrix::win32 {

enum class ConsoleStream { Output, Error };

// Writes text and a line break; false when there is no console or redirected handle to take it.
bool WriteToParentConsole(const std::wstring& text, ConsoleStream stream);

} // namespace tavrix::win32
