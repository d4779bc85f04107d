#include "base/DebugLog.h"
#include "base/SystemServices.h"
#include "fakes/FakeSystemPlatform.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using testing::FakeSystemPlatform;

TEST(DebugLog, WritesAllLinesOfTheRunOnlyWhenEnabled) {
    FakeSystemPlatform platform;
    InitSystemServices(false, {});
    DebugLog(L"NorvaneClipboardDM");
    EXPECT_TRUE(platform.files.empty());
    EXPECT_TRUE(LogLines().empty());

    InitSystemServices(true, {});
    DebugLog(L"NorvaneClipboardDM");
    platform.now = L"09.12.2026 06:00:01";
    DebugLog(L"SaveClipboardToFile \u00e9");
    ASSERT_EQ(platform.files.size(), 1u);
    EXPECT_EQ(platform.files.begin()->first, L"C:\\Tools\\Log.txt");
    EXPECT_EQ(platform.files.begin()->second,
              "09.12.2026 06:00:00 : NorvaneClipboardDM\r\n"
              "09.12.2026 06:00:01 : SaveClipboardToFile \xC3\xA9\r\n");
    InitSystemServices(false, {});
}

} // namespace
} // namespace tavrix
