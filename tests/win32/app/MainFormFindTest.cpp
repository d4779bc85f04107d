// Find and Go to from the keyboard, as a user reaches them: Ctrl+F, typing, Enter, F3, Ctrl+G.
#include "MainFormFixture.h"

#include "viewer/ZorvBinHex.h"

#include <chrono>

namespace tavrix::test {
namespace {

using win32::TMainForm;

class MainFormFindTest : public MainFormTest {
protected:
    TMainForm& ShowText(const std::u16string& text) {
        TMainForm& f = CreateForm();
        f.Surface().ShowPreviewText(text);
        SetForegroundWindow(f.Handle());
        SetFocus(f.Preview().Viewer().Handle());
        return f;
    }
    static void Settle() {
        for (int i = 0; i < 10; ++i) {
            PumpMessages();
            Sleep(5);
        }
    }
    static void Key(UINT key, bool ctrl = false, bool shift = false, bool alt = false) {
        const BYTE modifiers[] = {VK_CONTROL, VK_SHIFT, VK_MENU};
        const bool held[] = {ctrl, shift, alt};
        for (int i = 0; i < 3; ++i) {
            if (held[i]) {
                keybd_event(modifiers[i], 0, 0, 0);
            }
        }
        keybd_event(static_cast<BYTE>(key), 0, 0, 0);
        keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
        for (int i = 2; i >= 0; --i) {
            if (held[i]) {
                keybd_event(modifiers[i], 0, KEYEVENTF_KEYUP, 0);
            }
        }
        Settle();
    }
    static void Type(const std::wstring& text) {
        for (wchar_t c : text) {
            const SHORT scan = VkKeyScanW(c);
            Key(LOBYTE(scan), false, (HIBYTE(scan) & 1) != 0);
        }
    }
    // Lets the search thread finish and its result arrive.
    static void AwaitSearch(TMainForm& f) {
        for (int i = 0; i < 500 && f.Find().Searching(); ++i) {
            PumpMessages();
            Sleep(2);
        }
        Settle();
    }
    static std::pair<std::int64_t, std::int64_t> Selection(TMainForm& f) {
        const TZorvBinHex& viewer = f.Preview().Viewer().Model();
        return {viewer.SelStart(), viewer.SelLength()};
    }
};

TEST_F(MainFormFindTest, CtrlFTypingAndEnterFindEachMatchInTurnAndGoRound) {
    TMainForm& f = ShowText(u"hello world, hello");
    Key('F', true);
    ASSERT_TRUE(f.Find().FindWindow().IsOpen());
    Type(L"hello");
    Key(VK_RETURN);
    AwaitSearch(f);
    EXPECT_EQ(Selection(f), std::make_pair(std::int64_t{0}, std::int64_t{10})); // UTF-16 text
    EXPECT_EQ(f.Find().LastMessage(), L"Found at offset 0 (0x0)");
    Key(VK_RETURN);
    AwaitSearch(f);
    EXPECT_EQ(Selection(f).first, 26);
    EXPECT_EQ(f.Find().LastMessage(), L"Found at offset 26 (0x1A)");
    Key(VK_RETURN);
    AwaitSearch(f);
    EXPECT_EQ(Selection(f).first, 0);
    EXPECT_EQ(f.Find().LastMessage(), L"Found at offset 0 (0x0), from the start");
    EXPECT_TRUE(f.Status().ShowsMessage());

    // Alt+O counts without moving; Esc closes the dialog.
    Key('O', false, false, true);
    AwaitSearch(f);
    EXPECT_EQ(f.Find().LastMessage(), L"2 matches");
    EXPECT_EQ(Selection(f).first, 0);
    Key(VK_ESCAPE);
    EXPECT_FALSE(f.Find().FindWindow().IsOpen());

    // F3 and Shift+F3 repeat the search down and up from the main window.
    SetForegroundWindow(f.Handle());
    SetFocus(f.Preview().Viewer().Handle());
    Key(VK_F3);
    AwaitSearch(f);
    EXPECT_EQ(Selection(f).first, 26);
    Key(VK_F3, false, true);
    AwaitSearch(f);
    EXPECT_EQ(Selection(f).first, 0);
    Key(VK_F3, false, true);
    AwaitSearch(f);
    EXPECT_EQ(f.Find().LastMessage(), L"Found at offset 26 (0x1A), from the end");

    // A new view ends the search's message.
    f.Surface().ShowPreviewText(u"other");
    EXPECT_FALSE(f.Status().ShowsMessage());
}

TEST_F(MainFormFindTest, BadPatternsAreToldInTheDialogAndNothingMoves) {
    TMainForm& f = ShowText(u"abc");
    Key('F', true);
    win32::FindDialog& dialog = f.Find().FindWindow();
    // An empty pattern leaves the buttons off.
    dialog.SetText(win32::FindDialog::kPattern, L"");
    EXPECT_FALSE(IsWindowEnabled(dialog.Control(IDOK)));
    dialog.SetChecked(win32::FindDialog::kText, false);
    dialog.SetChecked(win32::FindDialog::kHex, true);
    dialog.SetText(win32::FindDialog::kPattern, L"616");
    EXPECT_TRUE(IsWindowEnabled(dialog.Control(IDOK)));
    Key(VK_RETURN);
    AwaitSearch(f);
    EXPECT_EQ(dialog.Text(win32::FindDialog::kProblem),
              L"The hex pattern has an odd number of digits.");
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(Selection(f).second, 0);
    dialog.SetText(win32::FindDialog::kPattern, L"62 ?? 63");
    Key(VK_RETURN);
    AwaitSearch(f);
    EXPECT_EQ(Selection(f).first, 2);
    EXPECT_EQ(f.Find().LastMessage(), L"Found at offset 2 (0x2)");
    dialog.SetText(win32::FindDialog::kPattern, L"64");
    Key(VK_RETURN);
    AwaitSearch(f);
    EXPECT_EQ(f.Find().LastMessage(), L"Not found: 64");
}

TEST_F(MainFormFindTest, GoToMovesToGoodOffsetsAndExplainsBadOnes) {
    TMainForm& f = ShowText(std::u16string(400, u'x'));
    Key('G', true);
    win32::GoToDialog& dialog = f.Find().GoToWindow();
    ASSERT_TRUE(dialog.IsOpen());
    Type(L"0x10");
    Key(VK_RETURN);
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(Selection(f), std::make_pair(std::int64_t{16}, std::int64_t{2}));
    EXPECT_EQ(f.Find().LastMessage(), L"Offset 16 (0x10)");

    Key('G', true);
    dialog.SetText(win32::GoToDialog::kOffset, L"zz");
    Key(VK_RETURN);
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(dialog.Text(win32::GoToDialog::kProblem), L"Not a number: zz");
    dialog.SetText(win32::GoToDialog::kOffset, L"900");
    Key(VK_RETURN);
    EXPECT_EQ(dialog.Text(win32::GoToDialog::kProblem),
              L"The offset is past the end (the last is 799).");
    EXPECT_EQ(Selection(f).first, 16);
}

TEST_F(MainFormFindTest, EscStopsALongSearchAtOnce) {
    TMainForm& f = CreateForm();
    // 128 MiB of zero bytes in the hex view, and a count of every zero byte pair in it.
    f.Preview().PreviewStream().Assign(std::vector<std::uint8_t>(128u << 20));
    f.Preview().ShowStreamInViewer(ViewerMode::Hex, false);
    f.Surface().SelectPreviewView(PreviewView::Viewer);
    SetForegroundWindow(f.Handle());
    Key('F', true);
    win32::FindDialog& dialog = f.Find().FindWindow();
    dialog.SetText(win32::FindDialog::kPattern, L"00 00");
    Key('O', false, false, true);
    ASSERT_TRUE(f.Find().Searching());
    Key(VK_ESCAPE);
    AwaitSearch(f);
    EXPECT_FALSE(f.Find().Searching());
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(f.Find().LastMessage().find(L"matches"), std::wstring::npos); // no count told
    // From the key to the search's end; hiding the dialog takes Wine longer without a window
    // manager, which is not the search's time.
    EXPECT_GT(f.Find().StopTime().count(), 0);
    EXPECT_LT(f.Find().StopTime(), std::chrono::milliseconds(100));
}

} // namespace
} // namespace tavrix::test
