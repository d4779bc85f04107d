#pragma once
// The viewer's popup menus as real menus: the context menu built from its model, the two encoding
// menus (kept for the control's life), and showing a menu at or centred on a point.
#include "base/win32/UserObjects.h"
#include "viewer/EncodingMenuLayout.h"
#include "viewer/PopupMenuModel.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tavrix::win32 {

// Menu item identifiers: context commands are kContextCommandBase + the command; encoding items
// are kEncodingItemBase + their tag.
inline constexpr UINT kContextCommandBase = 0x100;
inline constexpr UINT kEncodingItemBase = 0x200;

// A command of the window that hosts the viewer, offered in its context menu under the viewer's
// own. Its identifier is the host's and lies below kContextCommandBase.
struct HostMenuItem {
    UINT id = 0;
    std::wstring caption;
    bool enabled = true;
};

// A popup menu with the visible items of the model, each enabled as the model says, then the
// host's items after a separator.
Menu CreateContextMenu(const PopupMenuItems& items, const std::vector<HostMenuItem>& hostItems);
// A popup menu with the entries' columns, separators, radio items and disabled items.
Menu CreateEncodingMenu(const std::vector<EncodingMenuEntry>& entries);
// Checks the item whose tag is tag and unchecks every other.
void CheckEncodingItem(HMENU menu, int tag);

// Shows menu centred horizontally on the screen point for owner and answers the chosen item's
// identifier (0 when none), after the messages queued while the menu was open were handled.
UINT TrackMenuCentered(HMENU menu, HWND owner, POINT screenPoint);
// Shows menu with its top left corner at the screen point; 0 when nothing was chosen.
UINT TrackMenuAt(HMENU menu, HWND owner, POINT screenPoint);

} // namespace tavrix::win32
