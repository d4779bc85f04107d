#pragma once
// Owner of a common-controls image list.
#include "base/win32/CommonControls.h"
#include "base/win32/Unique.h"

namespace tavrix::win32 {

struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle Invalid() noexcept { return nullptr; }
    // A list exists only once its library was loaded.
    static void Close(Handle handle) noexcept { CommonControls().imageListDestroy(handle); }
};

using ImageListHandle = Unique<ImageListTraits>;

} // namespace tavrix::win32
