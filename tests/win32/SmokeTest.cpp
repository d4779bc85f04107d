#include <windows.h>

#include <gtest/gtest.h>

TEST(Win32Smoke, ClipboardOpensWithoutAWindow) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(CloseClipboard());
}
