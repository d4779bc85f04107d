#include "settings/win32/Win32PlacementForm.h"
#include "settings/SettingsStore.h"
#include "settings/win32/Win32SettingsFiles.h"
#include "settings/win32/Win32SettingsRegistry.h"
#include "support/TestWindow.h"
#include "support/WineRegistry.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace tavrix::win32 {
namespace {

const std::wstring kTestKey = L"SOFTWARE\\Norvane\\TavrixTest";

// A real top-level window (needs a display: run under xvfb-run).
test::TestWindow PlacedWindow(DWORD style = WS_OVERLAPPEDWINDOW) {
    return test::TopLevelWindow(style, {10, 10, 310, 210}, L"placement test");
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

class Win32PlacementFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::RunningUnderWine()) << "these tests write into the registry";
        test::DeleteKeyTree(HKEY_CURRENT_USER, kTestKey);
        store = std::make_unique<SettingsStore>(
            std::make_unique<Win32SettingsRegistry>(HKEY_CURRENT_USER, kTestKey),
            std::make_unique<Win32SettingsFiles>());
    }
    void TearDown() override {
        store.reset();
        test::DeleteKeyTree(HKEY_CURRENT_USER, kTestKey);
    }
    std::unique_ptr<SettingsStore> store;
};

TEST_F(Win32PlacementFormTest, ReadsAndSetsTheOuterRectangle) {
    const auto window = PlacedWindow();
    ASSERT_NE(window.get(), nullptr) << "no display";
    Win32PlacementForm form(window.get(), L"TTestForm");
    form.SetTop(70);
    form.SetLeft(90);
    form.SetHeight(250);
    form.SetWidth(410);
    const RECT r = WindowRect(window.get());
    EXPECT_EQ(r.left, 90);
    EXPECT_EQ(r.top, 70);
    EXPECT_EQ(r.right - r.left, 410);
    EXPECT_EQ(r.bottom - r.top, 250);
    EXPECT_EQ(form.Top(), 70);
    EXPECT_EQ(form.Width(), 410);
    EXPECT_TRUE(form.HasMaximizeButton());
    EXPECT_EQ(form.State(), WindowState::Normal);

    const auto fixed = PlacedWindow(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
    EXPECT_FALSE(Win32PlacementForm(fixed.get(), L"T").HasMaximizeButton());
}

TEST_F(Win32PlacementFormTest, DisplaysIncludeThePrimaryScreen) {
    const auto window = PlacedWindow();
    ASSERT_NE(window.get(), nullptr) << "no display";
    Win32PlacementForm form(window.get(), L"TTestForm");
    const std::vector<DisplayArea> displays = form.Displays();
    ASSERT_FALSE(displays.empty());
    const ScreenRect primary{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    bool found = false;
    for (const DisplayArea& display : displays) {
        found = found || display.bounds == primary;
    }
    EXPECT_TRUE(found);
    const ScreenRect work = form.NearestWorkArea();
    EXPECT_GT(work.Width(), 0);
    EXPECT_LE(work.Width(), primary.Width());
}

TEST_F(Win32PlacementFormTest, NormalWindowRoundTripsThroughTheRegistry) {
    {
        const auto window = PlacedWindow();
        ASSERT_NE(window.get(), nullptr) << "no display";
        SetWindowPos(window.get(), nullptr, 120, 80, 640, 480, SWP_NOZORDER);
        Win32PlacementForm form(window.get(), L"TTestForm");
        store->SaveFormPlacement(form, false);
    }
    EXPECT_EQ(test::ReadValue(HKEY_CURRENT_USER, kTestKey, L"TTestFormWidth")->dword, 640u);
    EXPECT_EQ(test::ReadValue(HKEY_CURRENT_USER, kTestKey, L"TTestFormState")->dword, 0u);

    const auto again = PlacedWindow();
    Win32PlacementForm form(again.get(), L"TTestForm");
    store->LoadFormPlacement(form, false);
    const RECT r = WindowRect(again.get());
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(r.right - r.left, 640);
    EXPECT_EQ(r.bottom - r.top, 480);
    EXPECT_FALSE(IsZoomed(again.get()));
}

TEST_F(Win32PlacementFormTest, MaximizedWindowKeepsTheNormalRectangleAndMaximizesAgain) {
    store->WriteInteger(L"TTestFormTop", 60);
    store->WriteInteger(L"TTestFormLeft", 50);
    store->WriteInteger(L"TTestFormHeight", 300);
    store->WriteInteger(L"TTestFormWidth", 500);
    {
        const auto window = PlacedWindow();
        ASSERT_NE(window.get(), nullptr) << "no display";
        ShowWindow(window.get(), SW_MAXIMIZE);
        ASSERT_TRUE(IsZoomed(window.get()));
        Win32PlacementForm form(window.get(), L"TTestForm");
        store->SaveFormPlacement(form, false);
    }
    EXPECT_EQ(store->ReadInteger(L"TTestFormState", 0), 1);
    EXPECT_EQ(store->ReadInteger(L"TTestFormWidth", 0), 500);

    const auto again = PlacedWindow();
    Win32PlacementForm form(again.get(), L"TTestForm");
    store->LoadFormPlacement(form, false);
    EXPECT_TRUE(IsZoomed(again.get()));
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(again.get(), &placement);
    EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, 500);
    EXPECT_EQ(placement.rcNormalPosition.bottom - placement.rcNormalPosition.top, 300);
}

TEST_F(Win32PlacementFormTest, PlacementOnAVanishedDisplayComesBackVisible) {
    store->WriteInteger(L"TTestFormTop", 100);
    store->WriteInteger(L"TTestFormLeft", GetSystemMetrics(SM_CXVIRTUALSCREEN) + 2000);
    store->WriteInteger(L"TTestFormHeight", 300);
    store->WriteInteger(L"TTestFormWidth", 400);
    const auto window = PlacedWindow();
    ASSERT_NE(window.get(), nullptr) << "no display";
    Win32PlacementForm form(window.get(), L"TTestForm");
    store->LoadFormPlacement(form, false);
    const RECT r = WindowRect(window.get());
    EXPECT_NE(MonitorFromRect(&r, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, 400);
}

} // namespace
} // namespace tavrix::win32
