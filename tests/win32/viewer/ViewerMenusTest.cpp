#include "viewer/win32/ViewerMenus.h"
#include "viewer/win32/PanCursors.h"

#include "base/win32/GdiObjects.h"

#include "viewer/PanMode.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix::win32 {
namespace {

struct ItemInfo {
    std::wstring caption;
    UINT type = 0;
    UINT state = 0;
    UINT id = 0;
    ULONG_PTR data = 0;
};

std::vector<ItemInfo> ReadMenu(HMENU menu) {
    std::vector<ItemInfo> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_DATA;
        info.dwTypeData = text;
        info.cch = 127;
        EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        items.push_back({(info.fType & MFT_SEPARATOR) != 0 ? L"-" : text, info.fType, info.fState,
                         info.wID, info.dwItemData});
    }
    return items;
}

TEST(ViewerEncodingMenu, ColumnsRadioItemsDisabledItemsAndTheCheck) {
    std::vector<EncodingMenuEntry> entries = {
        {false, false, 0, L"ANSI (Windows)", true}, {true, false, 0, L"-", true},
        {false, false, 6, L"IBM-850", true},        {false, true, 26, L"US OEM", true},
        {false, false, 51, L"Latin 1", false},
    };
    Menu menu = CreateEncodingMenu(entries);
    ASSERT_TRUE(menu);
    auto items = ReadMenu(menu.get());
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].caption, L"ANSI (Windows)");
    EXPECT_NE(items[0].type & MFT_RADIOCHECK, 0u);
    EXPECT_EQ(items[0].type & MFT_MENUBARBREAK, 0u);
    EXPECT_NE(items[1].type & MFT_SEPARATOR, 0u);
    EXPECT_NE(items[3].type & MFT_MENUBARBREAK, 0u);
    EXPECT_EQ(items[3].data, 26u);
    EXPECT_EQ(items[3].id, kEncodingItemBase + 26);
    EXPECT_NE(items[4].state & MFS_DISABLED, 0u);
    EXPECT_EQ(items[2].state & MFS_DISABLED, 0u);

    CheckEncodingItem(menu.get(), 6);
    items = ReadMenu(menu.get());
    EXPECT_NE(items[2].state & MFS_CHECKED, 0u);
    EXPECT_EQ(items[0].state & MFS_CHECKED, 0u);
    CheckEncodingItem(menu.get(), 0); // the item with tag 0, not the separator
    items = ReadMenu(menu.get());
    EXPECT_NE(items[0].state & MFS_CHECKED, 0u);
    EXPECT_EQ(items[2].state & MFS_CHECKED, 0u);
    EXPECT_EQ(items[1].state & MFS_CHECKED, 0u);
}

TEST(ViewerPanCursors, FiveDistinct32PixelCursors) {
    std::vector<HCURSOR> seen;
    for (int number = crPanNeutral; number >= crPanRight; --number) {
        HCURSOR cursor = PanCursor(number);
        ASSERT_NE(cursor, nullptr);
        EXPECT_NE(cursor, LoadCursorW(nullptr, IDC_IBEAM));
        for (HCURSOR other : seen) {
            EXPECT_NE(cursor, other);
        }
        seen.push_back(cursor);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(cursor, &info));
        const Bitmap maskOwner(info.hbmMask); // the copies GetIconInfo made are ours
        const Bitmap colorOwner(info.hbmColor);
        BITMAP mask{};
        GetObjectW(info.hbmMask, sizeof(mask), &mask);
        EXPECT_EQ(mask.bmWidth, 32);
        EXPECT_EQ(mask.bmHeight, 64); // monochrome: AND and XOR masks stacked
        EXPECT_EQ(info.xHotspot, 16u);
    }
    EXPECT_EQ(PanCursor(crPanUp), seen[1]); // made once
    EXPECT_EQ(PanCursor(0), LoadCursorW(nullptr, IDC_IBEAM));
}

} // namespace
} // namespace tavrix::win32
