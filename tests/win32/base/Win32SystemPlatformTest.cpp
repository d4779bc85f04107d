#include "base/win32/Win32SystemPlatform.h"
#include "base/Error.h"
#include "base/SystemServices.h"
#include "base/TextHelpers.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace tavrix::win32 {
namespace {

class Win32SystemPlatformTest : public ::testing::Test {
protected:
    void SetUp() override { InstallSystemPlatform(&platform); }
    void TearDown() override { InstallSystemPlatform(nullptr); }
    Win32SystemPlatform platform;
};

TEST_F(Win32SystemPlatformTest, ReadsTheVersionBlockOfTavrixExe) {
    std::wstring exe = JoinPath(ExecutableFolder(), L"Tavrix.exe");
    EXPECT_EQ(GetVersionInfoString(exe, L"ProductVersion"), L"4.0");
    EXPECT_EQ(GetVersionInfoString(exe, L"FileVersion"), L"4.0.0.0");
    EXPECT_EQ(GetVersionInfoString(exe, L"NoSuchKey"), L"");
    // The test program has no version block at all.
    EXPECT_EQ(GetProductVersion(), L"");
}

TEST_F(Win32SystemPlatformTest, WriteFileReportsTheFileAndTheSystemsReason) {
    std::wstring path = L"C:\\no\\such\\folder\\Log.txt";
    try {
        platform.WriteFile(path, "x");
        FAIL() << "writing into a missing folder must fail";
    } catch (const Error& e) {
        EXPECT_EQ(e.Message().rfind(L"Cannot create file \"" + path + L"\". ", 0), 0u)
            << std::string(e.what());
        EXPECT_GT(e.Message().size(), path.size() + 22);
    }
}

TEST_F(Win32SystemPlatformTest, ReportsAnNtVersion) {
    unsigned platformId = 0, major = 0, minor = 0;
    GetReportedVersion(platformId, major, minor);
    EXPECT_EQ(platformId, 2u);
    EXPECT_TRUE(ComputeVersionFlags(platformId, major, minor).vistaOrLater);
    EXPECT_GT(platform.ScreenPixelsPerInch(), 0);
}

} // namespace
} // namespace tavrix::win32
