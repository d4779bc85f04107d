#pragma once
// Owner of a common-controls image list.
#include "base/win32/Unique.h"

#include <windows.h>

#include <commctrl.h>

namespace tavrix::win32 {

struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ImageList_Destroy(handle); }
};

using ImageListHandle = Unique<ImageListTraits>;

} // namespace tavrix::win32
