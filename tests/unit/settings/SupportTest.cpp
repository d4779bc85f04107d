#include "settings/Support.h"
#include "fakes/FakeSupportPlatform.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using testing::FakeSupportPlatform;

TEST(ScaleByDpi, UnchangedAt96AndRoundsHalfToEven) {
    EXPECT_EQ(ScaleByDpi(19, 96), 19);
    EXPECT_EQ(ScaleByDpi(19, 120), 24); // 23.75
    EXPECT_EQ(ScaleByDpi(1, 144), 2);   // 1.5 -> even neighbour
    EXPECT_EQ(ScaleByDpi(5, 144), 8);   // 7.5 -> even neighbour
    EXPECT_EQ(ScaleByDpi(3, 144), 4);   // 4.5 -> 4
    EXPECT_EQ(ScaleByDpi(-5, 144), -8);
    FakeSupportPlatform platform;
    platform.pixelsPerInch = 120;
    EXPECT_DOUBLE_EQ(DpiFactor(), 1.25);
    EXPECT_EQ(ScaleByDpi(142), 178); // 177.5 -> 178
}

TEST(PadRight, FillsAndCuts) {
    EXPECT_EQ(PadRight(L"13", 5), L"13   ");
    EXPECT_EQ(PadRight(L"1234567", 5), L"12345");
    EXPECT_EQ(PadRight(L"49161", 5), L"49161");
    EXPECT_EQ(PadRight(L"abc", 0), L"");
    EXPECT_EQ(PadRight(L"abc", -3), L"");
}

TEST(JoinPath, OneBackslashBetween) {
    EXPECT_EQ(JoinPath(L"C:\\Tools", L"Backup.ini"), L"C:\\Tools\\Backup.ini");
    EXPECT_EQ(JoinPath(L"C:\\Tools\\", L"Backup.ini"), L"C:\\Tools\\Backup.ini");
    EXPECT_EQ(JoinPath(L"", L"Backup.ini"), L"Backup.ini");
    EXPECT_EQ(JoinPath(L"C:\\Tools", L""), L"C:\\Tools\\");
}

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
    FakeSupportPlatform platform;
    ShowWarning(L"Failed to locate Vista Clipboard API");
    ShowInfo(L"Closes the program");
    ASSERT_EQ(platform.messageBoxes.size(), 2u);
    EXPECT_EQ(platform.messageBoxes[0].text, L"Failed to locate Vista Clipboard API!");
    EXPECT_EQ(platform.messageBoxes[0].caption, L"");
    EXPECT_EQ(platform.messageBoxes[0].flags, 48u);
    EXPECT_EQ(platform.messageBoxes[1].text, L"Closes the program.");
    EXPECT_EQ(platform.messageBoxes[1].flags, 64u);
}

TEST(WaitProcessingMessages, WaitsAtLeastTheDurationAcrossTickWrap) {
    FakeSupportPlatform platform;
    WaitProcessingMessages(0);
    EXPECT_EQ(platform.sleeps, 0);
    platform.tick = 0xFFFFFFF0u; // wraps during the wait
    WaitProcessingMessages(50);
    EXPECT_EQ(platform.sleeps, 5);
    EXPECT_EQ(platform.messagePumps, 5);
    EXPECT_EQ(platform.tick, 0xFFFFFFF0u + 50u);
}

TEST(DebugLog, WritesAllLinesOfTheRunOnlyWhenEnabled) {
    FakeSupportPlatform platform;
    InitSupport(false, {});
    DebugLog(L"NorvaneClipboardDM");
    EXPECT_TRUE(platform.files.empty());
    EXPECT_TRUE(LogLines().empty());

    InitSupport(true, {});
    DebugLog(L"NorvaneClipboardDM");
    platform.now = L"09.12.2026 06:00:01";
    DebugLog(L"SaveClipboardToFile \u00e9");
    ASSERT_EQ(platform.files.size(), 1u);
    EXPECT_EQ(platform.files.begin()->first, L"C:\\Tools\\Log.txt");
    EXPECT_EQ(platform.files.begin()->second,
              "09.12.2026 06:00:00 : NorvaneClipboardDM\r\n"
              "09.12.2026 06:00:01 : SaveClipboardToFile \xC3\xA9\r\n");
    InitSupport(false, {});
}

TEST(ProductVersion, ReadsTheRunningExecutablesBlock) {
    FakeSupportPlatform platform;
    platform.versionStrings[L"C:\\Tools\\Tavrix.exe|ProductVersion"] = L"4.0";
    EXPECT_EQ(GetProductVersion(), L"4.0");
    EXPECT_EQ(GetVersionInfoString(L"C:\\Tools\\Tavrix.exe", L"Missing"), L"");
    EXPECT_EQ(ExecutableFolder(), L"C:\\Tools\\");
}

} // namespace
} // namespace tavrix
