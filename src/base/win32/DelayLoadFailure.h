#pragma once
// Libraries loaded on their first call: when one cannot be loaded, or lacks the routine asked
// for, the program says which and ends, instead of dying on an unhandled exception.

namespace tavrix::win32 {

// Call once, first thing in the program (with MSVC the report is in place from the start).
void InstallDelayLoadFailureReport();

} // namespace tavrix::win32
