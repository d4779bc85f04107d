#include "viewer/win32/ViewerMenus.h"

#include "base/win32/MessagePump.h"

namespace tavrix::win32 {

Menu CreateContextMenu(const PopupMenuItems& items, const std::vector<HostMenuItem>& hostItems) {
    Menu menu(CreatePopupMenu());
    if (!menu) {
        return menu;
    }
    auto append = [&menu](UINT id, const std::wstring& caption, bool enabled) {
        AppendMenuW(menu.get(), MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id,
                    caption.c_str());
    };
    for (const PopupMenuItem& item : items) {
        if (!item.visible) {
            continue;
        }
        if (item.separator) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        } else {
            append(kContextCommandBase + static_cast<UINT>(item.command), item.caption,
                   item.enabled);
        }
    }
    if (!hostItems.empty()) {
        AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    }
    for (const HostMenuItem& item : hostItems) {
        append(item.id, item.caption, item.enabled);
    }
    return menu;
}

Menu CreateEncodingMenu(const std::vector<EncodingMenuEntry>& entries) {
    Menu menu(CreatePopupMenu());
    if (!menu) {
        return menu;
    }
    UINT position = 0;
    for (const EncodingMenuEntry& entry : entries) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        if (entry.separator) {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else {
            info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_DATA;
            info.fType = MFT_STRING | MFT_RADIOCHECK | (entry.newColumn ? MFT_MENUBARBREAK : 0);
            info.fState = entry.enabled ? MFS_ENABLED : MFS_DISABLED;
            info.wID = kEncodingItemBase + static_cast<UINT>(entry.tag);
            info.dwItemData = static_cast<ULONG_PTR>(entry.tag);
            info.dwTypeData = const_cast<wchar_t*>(entry.caption.c_str());
        }
        InsertMenuItemW(menu.get(), position++, TRUE, &info);
    }
    return menu;
}

void CheckEncodingItem(HMENU menu, int tag) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) ||
            (info.fType & MFT_SEPARATOR) != 0) {
            continue;
        }
        const bool checked = static_cast<int>(info.dwItemData) == tag;
        CheckMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (checked ? MF_CHECKED : 0));
    }
}

namespace {

UINT Track(HMENU menu, HWND owner, POINT point, UINT alignment) {
    // The owner must be the foreground window, or the menu would not close when the user clicks
    // elsewhere.
    SetForegroundWindow(owner);
    const BOOL chosen = TrackPopupMenu(
        menu, alignment | TPM_TOPALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x,
        point.y, 0, owner, nullptr);
    // Let the messages that queued up while the menu was open run before acting on the choice.
    PumpWaitingMessages();
    return static_cast<UINT>(chosen);
}

} // namespace

UINT TrackMenuCentered(HMENU menu, HWND owner, POINT screenPoint) {
    return Track(menu, owner, screenPoint, TPM_CENTERALIGN);
}

UINT TrackMenuAt(HMENU menu, HWND owner, POINT screenPoint) {
    return Track(menu, owner, screenPoint, TPM_LEFTALIGN);
}

} // namespace tavrix::win32
