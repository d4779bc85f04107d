// String routines and the viewer's message box.
#include "viewer/StringHelpers.h"
#include "viewer/ViewerMessages.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrix {
namespace {

TEST(StringHelpersTest, ReplaceNullsInNarrowAndWideText) {
    std::string narrow("a\0b\0\0", 5);
    ReplaceNulls(narrow);
    EXPECT_EQ(narrow, "a b  ");
    std::wstring wide(L"\0x\0", 3);
    ReplaceNulls(wide);
    EXPECT_EQ(wide, L" x ");
    EXPECT_TRUE(IsLineBreak(13) && IsLineBreak(10));
    EXPECT_FALSE(IsLineBreak(9) || IsLineBreak(0x2028));
}

TEST(StringHelpersTest, BytesToWideDropsTheOddByteAndSwapsForBigEndian) {
    const unsigned char abc[] = {0x41, 0x00, 0x42};
    EXPECT_EQ(BytesToWide(abc, 3, false), L"A");
    const unsigned char be[] = {0x00, 0x41};
    EXPECT_EQ(BytesToWide(be, 2, true), L"A");
    EXPECT_EQ(BytesToWide(abc, 1, false), L"");
    EXPECT_EQ(BytesToWide(abc, 0, true), L"");
    const unsigned char high[] = {0x3A, 0xD8, 0x00, 0xDE}; // a surrogate pair, units kept
    const std::wstring units = BytesToWide(high, 4, false);
    ASSERT_EQ(units.size(), 2u);
    EXPECT_EQ(static_cast<unsigned>(units[0]), 0xD83Au);
    EXPECT_EQ(static_cast<unsigned>(units[1]), 0xDE00u);
    EXPECT_EQ(static_cast<unsigned>(BytesToWide(high, 2, true)[0]), 0x3AD8u);
}

TEST(StringHelpersTest, BytesToHexText) {
    EXPECT_EQ(BytesToHexText("ABC"), "41 42 43");
    EXPECT_EQ(BytesToHexText(std::string("\x00\xff\x0a", 3)), "00 FF 0A");
    EXPECT_EQ(BytesToHexText("Z"), "5A");
    EXPECT_EQ(BytesToHexText(""), "");
}

TEST(StringHelpersTest, ClampHelpers) {
    int i = 5;
    RaiseToAtLeast(i, 7);
    EXPECT_EQ(i, 7);
    LowerToAtMost(i, 3);
    EXPECT_EQ(i, 3);
    std::int64_t big = -1;
    RaiseToAtLeast<std::int64_t>(big, 0);
    EXPECT_EQ(big, 0);
}

struct ShownBox {
    std::wstring text, caption;
    unsigned flags;
    WindowRef owner;
};

TEST(ViewerMessagesTest, MessageBoxGetsForegroundAndTaskModalFlags) {
    std::vector<ShownBox> shown;
    InstallViewerMessageBox([&](const std::wstring& text, const std::wstring& caption,
                                unsigned flags, WindowRef owner) {
        shown.push_back({text, caption, flags, owner});
        return kIdRetry;
    });
    EXPECT_EQ(ShowViewerMessage(ViewerCannotReadStream(), ViewerCaption(), kMbRetryCancel | 16),
              kIdRetry);
    int ownerDummy = 0;
    ShowViewerError(ViewerCannotCopy(), &ownerDummy);
    InstallViewerMessageBox(nullptr);
    EXPECT_EQ(ShowViewerError(L"unseen"), kIdCancel);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, L"Cannot read stream");
    EXPECT_EQ(shown[0].caption, L"Viewer");
    EXPECT_EQ(shown[0].flags, 0x12015u);
    EXPECT_EQ(shown[0].owner, nullptr);
    EXPECT_EQ(shown[1].text, L"Cannot copy data to Clipboard");
    EXPECT_EQ(shown[1].caption, L"Viewer");
    EXPECT_EQ(shown[1].flags, 0x12010u);
    EXPECT_EQ(shown[1].owner, &ownerDummy);
}

TEST(ViewerMessagesTest, ReadErrorTextWithHexOffset) {
    EXPECT_EQ(ViewerReadError(), L"Read error at offset %1");
    EXPECT_EQ(FormatReadError(0x1A2B, 8), L"Read error at offset 00001A2B");
    EXPECT_EQ(FormatReadError(0x123456789, 4), L"Read error at offset 123456789");
}

} // namespace
} // namespace tavrix
