#pragma once
// Owner of an open registry key.
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::win32 {

struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { RegCloseKey(handle); }
};

using RegistryKey = Unique<RegistryKeyTraits>;

} // namespace tavrix::win32
