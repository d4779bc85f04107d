#pragma once
// An owned COM interface pointer: released once when its owner goes. Methods are called through
// get(); calls that hand a new interface back write through put().
#include "base/win32/Unique.h"

namespace tavrix::win32 {

template <typename Interface> struct ComReleaseTraits {
    using Handle = Interface*;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { handle->Release(); }
};

template <typename Interface> using ComPtr = Unique<ComReleaseTraits<Interface>>;

} // namespace tavrix::win32
