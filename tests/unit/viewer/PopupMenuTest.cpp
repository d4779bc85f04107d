#include "viewer/PopupMenuModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix {
namespace {

std::vector<std::wstring> VisibleCaptions(const PopupMenuItems& items) {
    std::vector<std::wstring> captions;
    for (const PopupMenuItem& item : items) {
        if (item.Visible) {
            captions.push_back(item.Caption);
        }
    }
    return captions;
}

std::vector<bool> Enabled(const PopupMenuItems& items) {
    std::vector<bool> enabled;
    for (const PopupMenuItem& item : items) {
        if (!item.Separator) {
            enabled.push_back(item.Enabled);
        }
    }
    return enabled;
}

TEST(PopupMenu, EightItemsInOrder) {
    const PopupMenuItems items = BuildPopupMenu({}, kAllPopupCommands);
    EXPECT_EQ(VisibleCaptions(items),
              (std::vector<std::wstring>{L"Copy", L"Copy as hex", L"Copy link", L"-",
                                         L"Select line", L"Select all", L"-", L"Encoding..."}));
    EXPECT_TRUE(items[3].Separator);
    EXPECT_TRUE(items[6].Separator);
    EXPECT_EQ(items[7].Command, vpCmdEncMenu);
}

TEST(PopupMenu, EnabledRules) {
    // Nothing to show: every command is disabled.
    EXPECT_EQ(Enabled(BuildPopupMenu({}, kAllPopupCommands)),
              (std::vector<bool>{false, false, false, false, false, false}));
    PopupMenuState s;
    s.Empty = false;
    s.AlignedFileSize = 100;
    EXPECT_EQ(Enabled(BuildPopupMenu(s, kAllPopupCommands)),
              (std::vector<bool>{false, false, false, true, true, true}));
    s.SelStart = 10;
    s.SelLength = 5;
    EXPECT_EQ(Enabled(BuildPopupMenu(s, kAllPopupCommands)),
              (std::vector<bool>{true, false, false, true, true, true}));
    s.HexMode = true;
    s.LinkAtPopupPos = true;
    EXPECT_EQ(Enabled(BuildPopupMenu(s, kAllPopupCommands)),
              (std::vector<bool>{true, true, true, true, true, true}));
    // Everything selected: "Select all" has nothing left to do.
    s.SelStart = 0;
    s.SelLength = 100;
    EXPECT_FALSE(BuildPopupMenu(s, kAllPopupCommands)[5].Enabled);
    // Select all on 7 bytes in a Unicode mode gives 6 bytes, which is all there is.
    s.AlignedFileSize = 6;
    s.SelLength = 6;
    EXPECT_FALSE(BuildPopupMenu(s, kAllPopupCommands)[5].Enabled);
    s.SelLength = 4;
    EXPECT_TRUE(BuildPopupMenu(s, kAllPopupCommands)[5].Enabled);
}

TEST(PopupMenu, OnlyTheChosenCommandsAreVisible) {
    EXPECT_EQ(VisibleCaptions(BuildPopupMenu({}, PopupCommandBit(vpCmdCopy))),
              (std::vector<std::wstring>{L"Copy", L"-", L"-"}));
    EXPECT_EQ(VisibleCaptions(BuildPopupMenu({}, 0)), (std::vector<std::wstring>{L"-", L"-"}));
    EXPECT_EQ(VisibleCaptions(BuildPopupMenu({}, PopupCommandBit(vpCmdEncMenu) |
                                                     PopupCommandBit(vpCmdSelectLine))),
              (std::vector<std::wstring>{L"-", L"Select line", L"-", L"Encoding..."}));
}

} // namespace
} // namespace tavrix
