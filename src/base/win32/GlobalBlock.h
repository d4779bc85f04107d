#pragma once
// Owner of a global memory block. After a successful SetClipboardData the clipboard owns the
// block: release() it then; otherwise the owner frees it.
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::win32 {

using GlobalBlock = Unique<FreedBy<HGLOBAL, GlobalFree>>;

// A movable block of size bytes, zeroed unless flags say otherwise; empty when the system has no
// memory for it. At least one byte: a movable block of none is born discarded and cannot be locked.
inline GlobalBlock AllocateGlobalBlock(SIZE_T size, UINT flags = GMEM_MOVEABLE | GMEM_ZEROINIT) {
    return GlobalBlock(GlobalAlloc(flags, size == 0 ? 1 : size));
}

} // namespace tavrix::win32
