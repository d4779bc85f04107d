#include "viewer/PopupMenuModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix {
namespace {

std::vector<std::wstring> VisibleCaptions(const PopupMenuItems& items) {
    std::vector<std::wstring> captions;
    for (const PopupMenuItem& item : items) {
        if (item.visible) {
            captions.push_back(item.caption);
        }
    }
    return captions;
}

std::vector<bool> Enabled(const PopupMenuItems& items) {
    std::vector<bool> enabled;
    for (const PopupMenuItem& item : items) {
        if (!item.separator) {
            enabled.push_back(item.enabled);
        }
    }
    return enabled;
}

TEST(PopupMenu, EightItemsInOrder) {
    const PopupMenuItems items = BuildPopupMenu({}, kAllPopupCommands);
    EXPECT_EQ(VisibleCaptions(items),
              (std::vector<std::wstring>{L"Copy", L"Copy as hex", L"Copy link", L"-",
                                         L"Select line", L"Select all", L"-", L"Encoding..."}));
    EXPECT_TRUE(items[3].separator);
    EXPECT_TRUE(items[6].separator);
    EXPECT_EQ(items[7].command, PopupCommand::EncodingMenu);
}

TEST(PopupMenu, EnabledRules) {
    // Nothing to show: every command is disabled.
    EXPECT_EQ(Enabled(BuildPopupMenu({}, kAllPopupCommands)),
              (std::vector<bool>{false, false, false, false, false, false}));
    PopupMenuState s;
    s.empty = false;
    s.alignedFileSize = 100;
    EXPECT_EQ(Enabled(BuildPopupMenu(s, kAllPopupCommands)),
              (std::vector<bool>{false, false, false, true, true, true}));
    s.selStart = 10;
    s.selLength = 5;
    EXPECT_EQ(Enabled(BuildPopupMenu(s, kAllPopupCommands)),
              (std::vector<bool>{true, false, false, true, true, true}));
    s.hexMode = true;
    s.linkAtPopupPos = true;
    EXPECT_EQ(Enabled(BuildPopupMenu(s, kAllPopupCommands)),
              (std::vector<bool>{true, true, true, true, true, true}));
    // Everything selected: "Select all" has nothing left to do.
    s.selStart = 0;
    s.selLength = 100;
    EXPECT_FALSE(BuildPopupMenu(s, kAllPopupCommands)[5].enabled);
    // Select all on 7 bytes in a Unicode mode gives 6 bytes, which is all there is.
    s.alignedFileSize = 6;
    s.selLength = 6;
    EXPECT_FALSE(BuildPopupMenu(s, kAllPopupCommands)[5].enabled);
    s.selLength = 4;
    EXPECT_TRUE(BuildPopupMenu(s, kAllPopupCommands)[5].enabled);
}

TEST(PopupMenu, OnlyTheChosenCommandsAreVisible) {
    EXPECT_EQ(VisibleCaptions(BuildPopupMenu({}, PopupCommandBit(PopupCommand::Copy))),
              (std::vector<std::wstring>{L"Copy", L"-", L"-"}));
    EXPECT_EQ(VisibleCaptions(BuildPopupMenu({}, 0)), (std::vector<std::wstring>{L"-", L"-"}));
    EXPECT_EQ(VisibleCaptions(BuildPopupMenu({}, PopupCommandBit(PopupCommand::EncodingMenu) |
                                                     PopupCommandBit(PopupCommand::SelectLine))),
              (std::vector<std::wstring>{L"-", L"Select line", L"-", L"Encoding..."}));
}

} // namespace
} // namespace tavrix
