#pragma once
// Owner of an open registry key.
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::win32 {

using RegistryKey = Unique<FreedBy<HKEY, RegCloseKey>>;

} // namespace tavrix::win32
