#pragma once
// Libraries loaded on their first call come from the system folder, as every other library
// (base/win32/SystemLibraries.h): the delay-load helper would otherwise load them by the usual
// search order, the program's folder first.

namespace tavrix::win32 {

// Call once, first thing in the program (with MSVC the hook is in place from the start).
void InstallDelayLoadFromSystem();

} // namespace tavrix::win32
