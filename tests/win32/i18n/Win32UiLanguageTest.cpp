#include "i18n/win32/Win32UiLanguage.h"
#include "i18n/Labels.h"
#include "i18n/Translate.h"
#include "i18n/TranslatedTexts.h"
#include "i18n/UiLanguage.h"
#include "support/MessagePump.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tavrix::win32 {
namespace {

std::wstring MenuText(HMENU menu, UINT position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

class DisplayLanguageTest : public ::testing::Test {
protected:
    void SetUp() override { InstallWin32UiLanguage(); }
    void TearDown() override {
        InstallUiLanguageSource(nullptr);
        AssignTranslatedLabels(TranslateUserInterface(L""));
    }
};

TEST_F(DisplayLanguageTest, AdapterReportsTheSystemsLanguage) {
    EXPECT_EQ(CurrentUiLanguage(), GetUserDefaultUILanguage());
}

// Run by tests/e2e/german_ui.sh with a German session (LANG=de_DE.UTF-8) and
// TAVRIX_EXPECT_UI_LANGUAGE=0x0407: the texts reach the window's menu and caption in German,
// and text outside the ANSI code page of that session survives as well.
TEST_F(DisplayLanguageTest, GermanSessionShowsGermanTexts) {
    const char* expected = std::getenv("TAVRIX_EXPECT_UI_LANGUAGE");
    if (expected == nullptr) {
        GTEST_SKIP() << "needs a German session; see tests/e2e/german_ui.sh";
    }
    ASSERT_EQ(CurrentUiLanguage(), std::strtoul(expected, nullptr, 0));
    ASSERT_EQ(GetACP(), 1252u);

    const TranslatedTexts texts = TranslateUserInterface(L"4.0.0.0");
    AssignTranslatedLabels(texts);
    EXPECT_EQ(PreviewLabel, L"Vorschau");
    EXPECT_EQ(SizeLabel, L"Größe");

    HMENU bar = CreateMenu();
    for (const std::wstring* title : {&texts.fileMenu, &texts.editMenu, &texts.helpMenu}) {
        AppendMenuW(bar, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()),
                    title->c_str());
    }
    HWND window = CreateWindowExW(0, L"STATIC", texts.aboutCaption.c_str(), WS_OVERLAPPEDWINDOW, 40,
                                  40, 480, 160, nullptr, bar, GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) { // no display: a message-only window carries the caption
        window = CreateWindowExW(0, L"STATIC", texts.aboutCaption.c_str(), 0, 0, 0, 0, 0,
                                 HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    } else {
        ShowWindow(window, SW_SHOWNORMAL);
    }
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(MenuText(bar, 0), L"Datei");
    EXPECT_EQ(MenuText(bar, 1), L"Bearbeiten");
    EXPECT_EQ(MenuText(bar, 2), L"Hilfe");
    EXPECT_EQ(WindowText(window), L"Info über Tavrix 4.0.0.0...");

    // Russian and Japanese have no place in code page 1252; the wide path keeps them.
    const std::wstring russian = TranslateText(std::wstring(L"Preview"));
    SetWindowTextW(window, (russian + L" / " + L"プレビュー / Просмотр").c_str());
    EXPECT_EQ(WindowText(window), L"Vorschau / プレビュー / Просмотр");
    if (const char* hold = std::getenv("TAVRIX_HOLD_WINDOW_MS")) {
        SetWindowTextW(window, texts.aboutCaption.c_str());
        test::PumpMessagesFor(std::strtoul(hold, nullptr, 10));
    }
    DestroyWindow(window);
    DestroyMenu(bar);
}

} // namespace
} // namespace tavrix::win32
