#pragma once
// Owners of the window manager's objects: icons, cursors, menus and accelerator tables.
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::win32 {

struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { DestroyIcon(handle); }
};

struct CursorTraits {
    using Handle = HCURSOR;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { DestroyCursor(handle); }
};

struct MenuTraits {
    using Handle = HMENU;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { DestroyMenu(handle); }
};

struct AcceleratorTableTraits {
    using Handle = HACCEL;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { DestroyAcceleratorTable(handle); }
};

// An icon the program made or copied (never a shared one from LoadIcon).
using Icon = Unique<IconTraits>;
// A cursor the program made (never a shared one from LoadCursor).
using Cursor = Unique<CursorTraits>;
// A menu no window holds; SetMenu hands it to the window, which destroys it with itself.
using Menu = Unique<MenuTraits>;
using AcceleratorTable = Unique<AcceleratorTableTraits>;

} // namespace tavrix::win32
