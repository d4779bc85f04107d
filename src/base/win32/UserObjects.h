#pragma once
// Owners of the window manager's objects: icons, cursors, menus and accelerator tables.
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::win32 {

// An icon the program made or copied (never a shared one from LoadIcon).
using Icon = Unique<FreedBy<HICON, DestroyIcon>>;
// A cursor the program made (never a shared one from LoadCursor).
using Cursor = Unique<FreedBy<HCURSOR, DestroyCursor>>;
// A menu no window holds; SetMenu hands it to the window, which destroys it with itself.
using Menu = Unique<FreedBy<HMENU, DestroyMenu>>;
using AcceleratorTable = Unique<FreedBy<HACCEL, DestroyAcceleratorTable>>;

} // namespace tavrix::win32
