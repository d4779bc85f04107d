#pragma once
// Selects an object into a device context and puts back the one it replaced at the end of the
// scope, so that the object can be deleted afterwards and the context is left as it was found.
// The owner holds the replaced object; it is empty when the context refused the new one, and
// nothing is put back then.
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::win32 {

struct SelectionTraits {
    using Handle = HGDIOBJ;
    HDC dc = nullptr;
    static Handle Invalid() noexcept { return nullptr; }
    void Close(Handle previous) const noexcept { ::SelectObject(dc, previous); }
};

using SelectGuard = Unique<SelectionTraits>;

namespace scoped {
inline SelectGuard SelectObject(HDC dc, HGDIOBJ object) {
    HGDIOBJ previous = ::SelectObject(dc, object);
    return SelectGuard(previous == HGDI_ERROR ? nullptr : previous, SelectionTraits{.dc = dc});
}
} // namespace scoped

} // namespace tavrix::win32
