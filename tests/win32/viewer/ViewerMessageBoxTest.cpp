// The viewer's message box as another program sees it: caption, text and buttons, answered by
// cliphelper pressing the first button.
#include "support/HelperProcess.h"
#include "viewer/ViewerMessages.h"
#include "viewer/win32/Win32CodepageSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace tavrix {
namespace {

bool CanShowWindows() {
    HWND probe = CreateWindowExW(0, L"STATIC", L"probe", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (probe == nullptr) {
        return false;
    }
    DestroyWindow(probe);
    return true;
}

TEST(ViewerMessageBoxTest, RetryQuestionShowsViewerCaptionTextAndButtons) {
    if (!CanShowWindows()) {
        GTEST_SKIP() << "no display for message boxes";
    }
    win32::InitViewerTextSupport();
    test::HelperProcess helper({L"dialog", L"20"});
    const int answer =
        ShowViewerMessage(ViewerCannotReadStream(), ViewerCaption(), kMbRetryCancel | kMbIconError);
    EXPECT_EQ(helper.Wait(), 0);
    const std::string shown = helper.RestOfOutput();
    EXPECT_NE(shown.find("caption: Viewer\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("text: Cannot read stream\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Retry"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Cancel"), std::string::npos) << shown;
    EXPECT_EQ(answer, kIdRetry); // the first button
}

TEST(ViewerMessageBoxTest, ErrorHasOnlyAnOkButton) {
    if (!CanShowWindows()) {
        GTEST_SKIP() << "no display for message boxes";
    }
    win32::InitViewerTextSupport();
    test::HelperProcess helper({L"dialog", L"20"});
    EXPECT_EQ(ShowViewerError(ViewerCannotCopy()), kIdOk);
    EXPECT_EQ(helper.Wait(), 0);
    const std::string shown = helper.RestOfOutput();
    EXPECT_NE(shown.find("caption: Viewer\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("text: Cannot copy data to Clipboard\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("button: OK"), std::string::npos) << shown;
    EXPECT_EQ(shown.find("Cancel"), std::string::npos) << shown;
}

} // namespace
} // namespace tavrix
