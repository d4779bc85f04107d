#pragma once
// Libraries come from the system folder only. A portable program runs from wherever it was
// unpacked (the Downloads folder, a stick), where anything may lie beside it: under the usual
// search order a file there named like a system library would run its code inside the program.
#include <windows.h>

namespace tavrix::win32 {

// First thing in the program: every later search for a library by name, also the ones the
// system's libraries make for themselves, looks in the system folder only.
void RestrictLibrarySearchToSystem() noexcept;

// The system library of that name, never a file of that name in the program's folder or the
// current one; null (the reason in GetLastError) when it cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name) noexcept;

} // namespace tavrix::win32
