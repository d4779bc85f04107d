#pragma once
// A lock on a global memory block for a scope, seen as bytes bounded by GlobalSize: nothing
// reads or writes past the end of a block, whatever its contents claim. The owner holds the
// locked address; it is empty when the block could not be locked.
#include "base/win32/Unique.h"

#include <windows.h>

#include <cstdint>
#include <span>

namespace tavrix::win32 {

struct GlobalLockTraits {
    using Handle = std::uint8_t*;
    HGLOBAL block = nullptr;
    SIZE_T size = 0;
    static Handle Invalid() noexcept { return nullptr; }
    void Close(Handle) const noexcept { GlobalUnlock(block); }
};

using GlobalLockView = Unique<GlobalLockTraits>;

inline std::span<std::uint8_t> LockedBytes(const GlobalLockView& view) {
    return {view.get(), view ? view.traits().size : 0};
}

namespace scoped {
inline GlobalLockView GlobalLock(HGLOBAL block) {
    if (block == nullptr) {
        return {};
    }
    auto* data = static_cast<std::uint8_t*>(::GlobalLock(block));
    return GlobalLockView(
        data, GlobalLockTraits{.block = block, .size = data != nullptr ? GlobalSize(block) : 0});
}
} // namespace scoped

} // namespace tavrix::win32
