#include "app/win32/StatusBar.h"
#include "support/TestWindow.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

namespace tavrix::test {
namespace {

std::vector<int> PanelEdges(HWND bar) {
    int edges[8] = {};
    auto count =
        static_cast<int>(SendMessageW(bar, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)));
    return {edges, edges + count};
}

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{.dwSize = sizeof(init), .dwICC = ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
        bar.Create(parent.get(), 1);
        ASSERT_NE(bar.Handle(), nullptr);
        bar.ApplyDpi(96, nullptr);
    }
    test::TestWindow parent = test::MessageOnlyWindow();
    win32::StatusBar bar;
};

// The size and the description at their designed widths, each scaled on its own and added up,
// the facts taking the rest; the texts stay with their panels when the resolution changes.
TEST_F(StatusBarTest, PanelsOfDesignedWidthsFollowTheResolution) {
    EXPECT_EQ(PanelEdges(bar.Handle()), (std::vector<int>{150, 300, -1}));
    EXPECT_EQ(bar.Height(), 19);
    bar.SetFacts(L"third");
    bar.ApplyDpi(120, nullptr);
    EXPECT_EQ(PanelEdges(bar.Handle()), (std::vector<int>{188, 376, -1}));
    EXPECT_EQ(bar.Height(), 24);
    EXPECT_EQ(bar.Facts(), L"third");
    EXPECT_EQ(bar.Size(), L"");
}

// Each setter fills its own panel and tooltip; a transient message covers them and leaves them
// as they were.
TEST_F(StatusBarTest, SettersFillTheirPanelsAndAMessageCoversThemForAWhile) {
    bar.SetSize(1234567);
    EXPECT_EQ(bar.Size(), L"Size : 1 234 567");
    bar.SetPictureSize(640, 480);
    EXPECT_EQ(bar.Size(), L"640 x 480");
    bar.SetDescription(L"Unicode text");
    EXPECT_EQ(bar.Description(), L"Unicode text");
    EXPECT_EQ(bar.TipOverDescription(), L"Unicode text");
    bar.SetFacts(L"Format 13 (0x000D)");
    EXPECT_EQ(bar.Facts(), L"Format 13 (0x000D)");
    EXPECT_EQ(bar.TipOverFacts(), L"Format 13 (0x000D)");

    bar.ShowMessage(L"Saving... 40 %");
    EXPECT_TRUE(bar.ShowsMessage());
    bar.EndMessage();
    EXPECT_FALSE(bar.ShowsMessage());
    EXPECT_EQ(bar.Size(), L"640 x 480");
    EXPECT_EQ(bar.Description(), L"Unicode text");
}

} // namespace
} // namespace tavrix::test
