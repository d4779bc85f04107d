#include "base/SystemServices.h"
#include "fakes/FakeSystemPlatform.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using testing::FakeSystemPlatform;

TEST(VersionFlags, FollowPlatformAndVersion) {
    auto xp = ComputeVersionFlags(2, 5, 1);
    EXPECT_FALSE(xp.vistaOrLater);
    EXPECT_FALSE(xp.win7OrLater);
    auto vista = ComputeVersionFlags(2, 6, 0);
    EXPECT_TRUE(vista.vistaOrLater);
    EXPECT_FALSE(vista.win7OrLater);
    auto seven = ComputeVersionFlags(2, 6, 1);
    EXPECT_TRUE(seven.vistaOrLater && seven.win7OrLater);
    auto ten = ComputeVersionFlags(2, 10, 0);
    EXPECT_TRUE(ten.vistaOrLater && ten.win7OrLater);
    auto notNt = ComputeVersionFlags(1, 10, 0);
    EXPECT_FALSE(notNt.vistaOrLater || notNt.win7OrLater);
}

TEST(MessageBoxes, WarningAndInfoAddTheirMarkAndIcon) {
    FakeSystemPlatform platform;
    ShowWarning(L"Failed to locate Vista Clipboard API");
    ShowInfo(L"Closes the program");
    ASSERT_EQ(platform.messageBoxes.size(), 2u);
    EXPECT_EQ(platform.messageBoxes[0].text, L"Failed to locate Vista Clipboard API!");
    EXPECT_EQ(platform.messageBoxes[0].caption, L"");
    EXPECT_EQ(platform.messageBoxes[0].flags, 48u);
    EXPECT_EQ(platform.messageBoxes[1].text, L"Closes the program.");
    EXPECT_EQ(platform.messageBoxes[1].flags, 64u);
}

TEST(ProductVersion, ReadsTheRunningExecutablesBlock) {
    FakeSystemPlatform platform;
    platform.versionStrings[L"C:\\Tools\\Tavrix.exe|ProductVersion"] = L"4.0";
    EXPECT_EQ(GetProductVersion(), L"4.0");
    EXPECT_EQ(GetVersionInfoString(L"C:\\Tools\\Tavrix.exe", L"Missing"), L"");
    EXPECT_EQ(ExecutableFolder(), L"C:\\Tools\\");
}

} // namespace
} // namespace tavrix
