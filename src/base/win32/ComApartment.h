#pragma once
// COM on the calling thread for a scope, in a single-threaded apartment as windows and the
// imaging component want it. Only a successful initialisation is undone, on the same thread.
#include "base/ScopeExit.h"

#include <objbase.h>

#include <optional>

namespace tavrix::win32 {

using ComApartment = ScopeExit<decltype(&CoUninitialize)>;

// Empty when COM could not be initialised on this thread.
inline std::optional<ComApartment> EnterComApartment() {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
        return std::nullopt;
    }
    return ComApartment(CoUninitialize);
}

} // namespace tavrix::win32
