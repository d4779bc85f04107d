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

// A bar of three panels: each fixed width scaled on its own and added up, the last taking the
// rest; the texts stay with their panels when the resolution changes.
TEST(StatusBar, PanelsOfDesignedWidthsFollowTheResolution) {
    INITCOMMONCONTROLSEX init{.dwSize = sizeof(init), .dwICC = ICC_BAR_CLASSES};
    InitCommonControlsEx(&init);
    const auto parent = test::MessageOnlyWindow();
    win32::StatusBar bar({150, 100, win32::StatusBar::kRestOfBar});
    bar.Create(parent.get(), 1);
    ASSERT_NE(bar.Handle(), nullptr);

    bar.ApplyDpi(96, nullptr);
    EXPECT_EQ(PanelEdges(bar.Handle()), (std::vector<int>{150, 250, -1}));
    EXPECT_EQ(bar.Height(), 19);
    bar.SetPanelText(2, L"third");
    bar.ApplyDpi(120, nullptr);
    EXPECT_EQ(PanelEdges(bar.Handle()), (std::vector<int>{188, 313, -1}));
    EXPECT_EQ(bar.Height(), 24);
    EXPECT_EQ(bar.PanelText(2), L"third");
    EXPECT_EQ(bar.PanelText(0), L"");
}

} // namespace
} // namespace tavrix::test
