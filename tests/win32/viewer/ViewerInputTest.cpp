// The viewer window's input under Wine: real scroll-bar, key, wheel and button messages sent to
// the window, copying onto the real clipboard, and the encoding menus as real menus.
#include "BinHexProbe.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "support/TestWindow.h"
#include "viewer/ByteStream.h"
#include "viewer/CodePages.h"
#include "viewer/PanMode.h"
#include "viewer/ViewerMessages.h"
#include "viewer/win32/BinHexWindow.h"
#include "viewer/win32/Win32CodepageSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tavrix::win32 {
namespace {

constexpr int Tag(ViewerEncoding encoding) {
    return static_cast<int>(encoding);
}

class ViewerInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitViewerTextSupport();
        // A message box would wait for a user that never comes.
        InstallViewerMessageBox(
            [this](const std::wstring& text, const std::wstring&, unsigned, WindowRef) {
                messages.push_back(text);
                return kIdCancel;
            });
        ClipboardPort::Install(backend);
        parent = test::TopLevelWindow(WS_OVERLAPPEDWINDOW, {0, 0, 700, 500}, L"viewer input");
        ASSERT_NE(parent.get(), nullptr) << "needs a display: run under xvfb-run";
        ShowWindow(parent.get(), SW_SHOW);
        viewer = std::make_unique<BinHexWindow>(ClipboardPort::Instance(), parent.get(),
                                                RECT{0, 0, 640, 400});
        SetFocus(viewer->Handle());
    }
    void TearDown() override {
        viewer.reset();
        parent.reset();
        ReleaseKeys();
    }

    void Show(const std::vector<std::uint8_t>& bytes, ViewerMode mode) {
        stream.Assign(bytes);
        Model().OpenStream(&stream, true);
        Model().SetMode(mode);
    }
    void Show(const std::string& text, ViewerMode mode) {
        Show(std::vector<std::uint8_t>(text.begin(), text.end()), mode);
    }
    TZorvBinHex& Model() { return viewer->Model(); }
    BinHexProbe Probe() { return BinHexProbe{viewer->Model()}; }
    HWND Handle() { return viewer->Handle(); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageW(Handle(), message, wParam, lParam);
    }
    // Holds keys down as far as GetKeyState in this thread can tell.
    static void HoldKeys(std::initializer_list<int> keys) {
        BYTE state[256] = {};
        for (int key : keys) {
            state[key] = 0x80;
        }
        SetKeyboardState(state);
    }
    static void ReleaseKeys() {
        BYTE state[256] = {};
        SetKeyboardState(state);
    }
    SCROLLINFO Bar(int bar) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        GetScrollInfo(Handle(), bar, &info);
        return info;
    }
    std::wstring ClipboardUnicode() {
        std::wstring text = L"(none)";
        if (OpenClipboard(nullptr)) {
            if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
                if (auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
                    text = p;
                    GlobalUnlock(data);
                }
            }
            CloseClipboard();
        }
        return text;
    }
    std::string ClipboardAnsi() {
        std::string text = "(none)";
        if (OpenClipboard(nullptr)) {
            if (HANDLE data = GetClipboardData(CF_TEXT)) {
                if (auto* p = static_cast<const char*>(GlobalLock(data))) {
                    text = p;
                    GlobalUnlock(data);
                }
            }
            CloseClipboard();
        }
        return text;
    }
    static std::vector<std::uint8_t> Counting(int size) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
        for (int i = 0; i < size; ++i) {
            bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>('a' + i % 26);
        }
        return bytes;
    }
    // Client point inside text row r at character column c (text modes).
    LPARAM TextPoint(int c, int r) {
        const int x = Probe().LeftMargin() + c * Probe().FontWidthDigits() + 1;
        const int y = r * Probe().FontHeight() + Probe().FontHeight() / 2;
        return MAKELPARAM(x, y);
    }

    Win32ClipboardBackend backend;
    std::vector<std::wstring> messages;
    test::TestWindow parent;
    std::unique_ptr<BinHexWindow> viewer;
    MemoryStream stream;
};

TEST_F(ViewerInputTest, ScrollBarMessagesMoveTheView) {
    Show(Counting(100000), ViewerMode::Hex);
    const int lines = Probe().LinesCount();
    ASSERT_GT(lines, 3);
    EXPECT_EQ(Send(WM_VSCROLL, SB_PAGEDOWN), 0);
    EXPECT_EQ(Probe().ViewPos(), 16LL * lines);
    Send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Probe().ViewPos(), 16LL * (lines + 1));
    Send(WM_VSCROLL, SB_LINEUP);
    Send(WM_VSCROLL, SB_PAGEUP);
    EXPECT_EQ(Probe().ViewPos(), 0);
    // 100000 / 16 = 6250 steps; the thumb at step 3125 is the middle.
    EXPECT_EQ(Bar(SB_VERT).nMax, 6250);
    Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 3125));
    EXPECT_EQ(Probe().ViewPos(), 50000);
    EXPECT_EQ(Bar(SB_VERT).nPos, 3125);
    Send(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(Probe().ViewPos(), Probe().LastPageStart());
    Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 6250)); // at the end already: stays
    EXPECT_EQ(Probe().ViewPos(), Probe().LastPageStart());
    Send(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(Probe().ViewPos(), 0);
    Send(WM_VSCROLL, SB_ENDSCROLL);
    EXPECT_EQ(Probe().ViewPos(), 0);
}

TEST_F(ViewerInputTest, HorizontalBarMessages) {
    SetWindowPos(Handle(), nullptr, 0, 0, 300, 300, SWP_NOZORDER | SWP_NOMOVE);
    Show(Counting(1000), ViewerMode::Hex);
    const int maxPos = Probe().MaxHViewPos();
    ASSERT_GT(maxPos, 200);
    Send(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(Probe().HViewPos(), 200);
    EXPECT_EQ(Bar(SB_HORZ).nPos, 200);
    Send(WM_HSCROLL, SB_RIGHT);
    EXPECT_EQ(Probe().HViewPos(), maxPos);
    Send(WM_HSCROLL, SB_LEFT);
    EXPECT_EQ(Probe().HViewPos(), 0);
}

TEST_F(ViewerInputTest, KeysWithExactModifiers) {
    Show(Counting(100000), ViewerMode::Hex);
    const int lines = Probe().LinesCount();
    EXPECT_EQ(Send(WM_GETDLGCODE), DLGC_WANTARROWS);
    Send(WM_KEYDOWN, VK_NEXT);
    EXPECT_EQ(Probe().ViewPos(), 16LL * lines);
    Send(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(Probe().ViewPos(), 16LL * (lines + 1));
    HoldKeys({VK_SHIFT});
    Send(WM_KEYDOWN, VK_NEXT); // Shift+Page Down is not the viewer's
    EXPECT_EQ(Probe().ViewPos(), 16LL * (lines + 1));
    HoldKeys({VK_CONTROL});
    Send(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(Probe().ViewPos(), 16LL * (lines + 1));
    Send(WM_KEYDOWN, VK_END);
    EXPECT_EQ(Probe().ViewPos(), Probe().LastPageStart());
    Send(WM_KEYDOWN, VK_HOME);
    EXPECT_EQ(Probe().ViewPos(), 0);
    Send(WM_KEYDOWN, 'A');
    EXPECT_EQ(Probe().SelLength(), 100000);
    ReleaseKeys();
}

TEST_F(ViewerInputTest, WheelScrollsTheSystemLinesAndCtrlWheelStepsTheFont) {
    Show(Counting(100000), ViewerMode::Hex);
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    ASSERT_GT(lines, 0u);
    POINT screen{10, 10};
    ClientToScreen(Handle(), &screen);
    const LPARAM at = MAKELPARAM(screen.x, screen.y);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), at);
    EXPECT_EQ(Probe().ViewPos(), 16LL * lines);
    // A touchpad's small deltas add up to the same.
    for (int i = 0; i < 4; ++i) {
        Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA / 4)), at);
    }
    EXPECT_EQ(Probe().ViewPos(), 32LL * lines);
    const int size = Model().Options().font.size;
    // Ctrl counts when it is held, not when the message only says so.
    Send(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), at);
    EXPECT_EQ(Model().Options().font.size, size);
    HoldKeys({VK_CONTROL});
    Send(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), at);
    ReleaseKeys();
    EXPECT_GT(Model().Options().font.size, size);
}

TEST_F(ViewerInputTest, DragDoubleAndTripleClickSelect) {
    Show("first line\r\nsecond word here\r\nthird\r\n", ViewerMode::Text);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, TextPoint(0, 0));
    Send(WM_MOUSEMOVE, MK_LBUTTON, TextPoint(3, 1));
    Send(WM_MOUSEMOVE, MK_LBUTTON, TextPoint(0, 2));
    Send(WM_LBUTTONUP, 0, TextPoint(0, 2));
    EXPECT_EQ(Probe().SelStart(), 0);
    EXPECT_EQ(Probe().SelLength(), 30);
    EXPECT_EQ(GetFocus(), Handle());

    // Double-click on the second letter of "word", then a third press.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, TextPoint(8, 1));
    Send(WM_LBUTTONUP, 0, TextPoint(8, 1));
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, TextPoint(8, 1));
    Send(WM_LBUTTONUP, 0, TextPoint(8, 1));
    EXPECT_EQ(Probe().SelText(), "word");
    Send(WM_LBUTTONDOWN, MK_LBUTTON, TextPoint(8, 1));
    Send(WM_LBUTTONUP, 0, TextPoint(8, 1));
    EXPECT_EQ(Probe().SelText(), "second word here");
}

TEST_F(ViewerInputTest, MiddleButtonPansUntilAnotherPress) {
    Show(Counting(100000), ViewerMode::Hex);
    Send(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(100, 100));
    EXPECT_TRUE(Model().PanMode());
    POINT cursor{100, 117};
    ClientToScreen(Handle(), &cursor);
    ASSERT_TRUE(SetCursorPos(cursor.x, cursor.y));
    Send(WM_TIMER, kViewerPanTimerId);
    EXPECT_EQ(Probe().ViewPos(), 16);
    EXPECT_EQ(Model().CursorNumber(), crPanDown);
    Send(WM_TIMER, kViewerPanTimerId);
    EXPECT_EQ(Probe().ViewPos(), 32);
    cursor = {100, 115};
    ClientToScreen(Handle(), &cursor);
    SetCursorPos(cursor.x, cursor.y);
    Send(WM_TIMER, kViewerPanTimerId);
    EXPECT_EQ(Probe().ViewPos(), 32);
    EXPECT_EQ(Model().CursorNumber(), crPanNeutral);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(Model().PanMode());
    Send(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(100, 100));
    Send(WM_KEYDOWN, VK_SHIFT);
    EXPECT_FALSE(Model().PanMode());
}

TEST_F(ViewerInputTest, CopyAsHexGivesTheSameTextInEveryEncoding) {
    Show(std::vector<std::uint8_t>{0x41, 0x00, 0xFF}, ViewerMode::Hex);
    Probe().SelectAll();
    for (ViewerEncoding e : {ViewerEncoding::ANSI, ViewerEncoding::OEM, ViewerEncoding::CyrKOI8R,
                             ViewerEncoding::EBUSCanada, ViewerEncoding::UTF8}) {
        Model().SetOption(&BinHexOptions::textEncoding, e);
        Model().ExecutePopupCommand(PopupCommand::CopyHex);
        EXPECT_EQ(ClipboardAnsi(), "41 00 FF") << static_cast<int>(e);
        EXPECT_EQ(ClipboardUnicode(), L"41 00 FF") << static_cast<int>(e);
    }
    Model().SetOption(&BinHexOptions::textEncoding, ViewerEncoding::ANSI);
    Model().ExecutePopupCommand(PopupCommand::Copy);
    EXPECT_EQ(ClipboardAnsi(), "A \xFF");
    EXPECT_EQ(ClipboardUnicode(), L"A \u00FF"); // Wine's ANSI code page is 1252
    EXPECT_TRUE(messages.empty());
}

TEST_F(ViewerInputTest, CtrlCInUnicodeHexCopiesUnicodeText) {
    Show(std::vector<std::uint8_t>{'O', 0, 'K', 0, 0xAC, 0x20}, ViewerMode::UHex);
    Probe().SelectAll();
    HoldKeys({VK_CONTROL});
    Send(WM_KEYDOWN, 'C');
    ReleaseKeys();
    EXPECT_EQ(ClipboardUnicode(), L"OK\u20AC");
}

TEST_F(ViewerInputTest, EncodingMenuColumnsAndUnavailableCodePages) {
    HMENU menu = viewer->Input().EightBitMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(viewer->Input().EightBitMenu(), menu); // built once
    const int count = GetMenuItemCount(menu);
    EXPECT_EQ(count, 74 + 12);
    std::vector<int> columnStarts;
    std::vector<int> disabled;
    int separators = 0;
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
        ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        if ((info.fType & MFT_SEPARATOR) != 0) {
            ++separators;
            continue;
        }
        EXPECT_NE(info.fType & MFT_RADIOCHECK, 0u);
        const int tag = static_cast<int>(info.dwItemData);
        if ((info.fType & MFT_MENUBARBREAK) != 0) {
            columnStarts.push_back(tag);
        }
        if ((info.fState & MFS_DISABLED) != 0) {
            disabled.push_back(tag);
        }
    }
    EXPECT_EQ(separators, 12);
    EXPECT_EQ(columnStarts,
              (std::vector<int>{Tag(ViewerEncoding::USOEM), Tag(ViewerEncoding::EBUSCanada)}));
    // Wine lacks 38598, 1047, 870 and the 20xxx EBCDIC code pages; UTF-8 is there although
    // Wine does not list 65001.
    for (int tag : {Tag(ViewerEncoding::HebISO1), Tag(ViewerEncoding::EBLatin1),
                    Tag(ViewerEncoding::EBLatin2), Tag(ViewerEncoding::EBGermany),
                    Tag(ViewerEncoding::EBCyrSerbian)}) {
        EXPECT_NE(std::find(disabled.begin(), disabled.end(), tag), disabled.end()) << tag;
    }
    for (int tag : {Tag(ViewerEncoding::ANSI), Tag(ViewerEncoding::OEM),
                    Tag(ViewerEncoding::CyrKOI8R), Tag(ViewerEncoding::EBUSCanada),
                    Tag(ViewerEncoding::EBTurkishLatin5), Tag(ViewerEncoding::UTF8)}) {
        EXPECT_EQ(std::find(disabled.begin(), disabled.end(), tag), disabled.end()) << tag;
    }
    HMENU unicode = viewer->Input().UnicodeMenu();
    ASSERT_EQ(GetMenuItemCount(unicode), 2);
    wchar_t text[64] = {};
    GetMenuStringW(unicode, 1, text, 63, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), EncodingName(ViewerEncoding::UnicodeBE));
}

TEST_F(ViewerInputTest, ContextMenuItemsForTheCurrentState) {
    Show(Counting(10), ViewerMode::Text);
    Model().SetOption(&BinHexOptions::textPopupCommands, PopupCommandBit(PopupCommand::Copy));
    Menu menu = CreateContextMenu(Model().ContextMenuItems(), {});
    ASSERT_EQ(GetMenuItemCount(menu.get()), 3);
    wchar_t text[64] = {};
    GetMenuStringW(menu.get(), 0, text, 63, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), L"Copy");
    EXPECT_NE(GetMenuState(menu.get(), 0, MF_BYPOSITION) & MF_GRAYED, 0u); // nothing selected

    // The host's commands follow after a separator, with its identifiers and states.
    menu = CreateContextMenu(Model().ContextMenuItems(),
                             {{.id = 112, .caption = L"Find...", .enabled = true},
                              {.id = 113, .caption = L"Find next", .enabled = false}});
    ASSERT_EQ(GetMenuItemCount(menu.get()), 6);
    EXPECT_EQ(GetMenuItemID(menu.get(), 3), 0u);
    EXPECT_EQ(GetMenuItemID(menu.get(), 4), 112u);
    EXPECT_EQ(GetMenuState(menu.get(), 4, MF_BYPOSITION) & MF_GRAYED, 0u);
    EXPECT_NE(GetMenuState(menu.get(), 113, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

// Set by the timer that closes a menu: whether one was open when it fired.
bool g_menuWasOpen = false;

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    g_menuWasOpen = (info.flags & GUI_INMENUMODE) != 0;
    EndMenu();
}

TEST_F(ViewerInputTest, ContextMenuOpensUnlessTheRightPressEndedPanMode) {
    Show(Counting(100), ViewerMode::Hex);
    POINT screen{20, 20};
    ClientToScreen(Handle(), &screen);
    g_menuWasOpen = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 300, CloseMenu);
    Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), MAKELPARAM(screen.x, screen.y));
    KillTimer(nullptr, timer);
    EXPECT_TRUE(g_menuWasOpen);
    EXPECT_EQ(Model().MouseState().mousePopupPos, (Point{20, 20}));

    Send(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(100, 100));
    Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 20));
    EXPECT_FALSE(Model().PanMode());
    g_menuWasOpen = false;
    timer = SetTimer(nullptr, 0, 300, CloseMenu);
    Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), MAKELPARAM(screen.x, screen.y));
    KillTimer(nullptr, timer);
    EXPECT_FALSE(g_menuWasOpen);
}

} // namespace
} // namespace tavrix::win32
