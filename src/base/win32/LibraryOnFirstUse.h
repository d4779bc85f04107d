#pragma once
// System libraries the first frame does not need (common dialogs, common controls, the rich edit
// control), loaded on their first use instead of at the program's start, and kept to the end of
// the process: the windows, image lists and dialogs made from them live that long. A library is
// loaded once, from the system folder only; later calls find it in the cache.
#include <windows.h>

namespace tavrix::win32 {

// The library, loaded on the first call. Throws Error "Cannot load <name>: <reason>".
HMODULE LibraryOnFirstUse(const wchar_t* name);

// A routine of such a library, as its real type. Throws Error "Cannot load <name> (<routine>):
// <reason>" when the library or the routine is missing.
void* RoutineAddress(const wchar_t* library, const char* routine);

// A routine that only newer systems have: null when the library has none of that name.
void* RoutineAddressIfPresent(const wchar_t* library, const char* routine);

template <typename Function>
Function RoutineIfPresent(const wchar_t* library, const char* routine) {
    return reinterpret_cast<Function>(RoutineAddressIfPresent(library, routine));
}

template <typename Function>
Function RoutineOnFirstUse(const wchar_t* library, const char* routine) {
    // GetProcAddress hands out a generic function pointer; going through void* gives the real
    // type without a warning.
    return reinterpret_cast<Function>(RoutineAddress(library, routine));
}

} // namespace tavrix::win32
