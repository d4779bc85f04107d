#include "ui/win32/Action.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrix::win32 {
namespace {

TEST(Actions, StateReachesMenuAndDisabledActionsDoNotRun) {
    ActionList list;
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 100, L"x");
    list.BindMenu(menu);
    Action& act = list.Add(100);
    int runs = 0;
    act.SetOnExecute([&] { ++runs; });
    act.SetCaption(L"Zoom in");
    act.SetShortcut({VK_OEM_PLUS, true});

    wchar_t text[64] = {};
    GetMenuStringW(menu, 100, text, 64, MF_BYCOMMAND);
    std::wstring shown = text;
    EXPECT_EQ(shown.substr(0, 8), L"Zoom in\t");
    EXPECT_NE(shown.find(L'+'), std::wstring::npos);

    EXPECT_TRUE(list.Execute(100));
    act.SetEnabled(false);
    EXPECT_TRUE(GetMenuState(menu, 100, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(list.Execute(100));
    EXPECT_EQ(runs, 1);
    act.SetChecked(true);
    EXPECT_TRUE(GetMenuState(menu, 100, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(list.Execute(999));

    ACCEL accel[4] = {};
    ASSERT_NE(list.Accelerators(), nullptr);
    ASSERT_EQ(CopyAcceleratorTableW(list.Accelerators(), accel, 4), 1);
    EXPECT_EQ(accel[0].key, VK_OEM_PLUS);
    EXPECT_EQ(accel[0].cmd, 100);
    EXPECT_TRUE(accel[0].fVirt & FCONTROL);
    DestroyMenu(menu);
}

TEST(Actions, ShortcutTextUsesKeyNames) {
    EXPECT_EQ(ShortcutText({}), L"");
    EXPECT_EQ(ShortcutText({VK_F1}), L"F1");
    std::wstring ctrl0 = ShortcutText({0x30, true});
    EXPECT_EQ(ctrl0.back(), L'0');
    EXPECT_NE(ctrl0.find(L"+"), std::wstring::npos);
}

} // namespace
} // namespace tavrix::win32
