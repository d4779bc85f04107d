#include "base/SwallowedErrors.h"
#include "base/DebugLog.h"
#include "base/Error.h"
#include "base/SystemServices.h"
#include "fakes/FakeSystemPlatform.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(LogSwallowed, WritesWhereAndWhatTheCatchEnded) {
    testing::FakeSystemPlatform platform;
    InitSystemServices(true, {});
    try {
        throw Error(L"Cannot open clipboard\r\nHeld by a.exe (pid 1)");
    } catch (...) {
        LogSwallowed(L"ClipboardEngine::RebuildFormatList");
    }
    try {
        throw 42;
    } catch (...) {
        LogSwallowed(L"Window::Dispatch");
    }
    ASSERT_EQ(LogLines().size(), 2u);
    EXPECT_EQ(LogLines()[0], platform.now +
                                 L" : ClipboardEngine::RebuildFormatList: Cannot open clipboard / "
                                 L"Held by a.exe (pid 1) (swallowed)");
    EXPECT_EQ(LogLines()[1], platform.now + L" : Window::Dispatch: Unknown error (swallowed)");
    InitSystemServices(false, {});
}

} // namespace
} // namespace tavrix
