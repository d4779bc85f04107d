// Half of the end-to-end test tests/e2e/viewer_copy_xclip.sh: with TAVRIX_VIEWER_XCLIP set, a
// viewer window selects a line with the mouse and copies it with Ctrl+C; the script then reads
// the desktop clipboard with xclip. Without the variable there is nothing to do.
#include "BinHexProbe.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "support/TestWindow.h"
#include "viewer/ByteStream.h"
#include "viewer/win32/BinHexWindow.h"
#include "viewer/win32/Win32CodepageSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tavrix::win32 {
namespace {

TEST(ViewerXclipCopy, SelectAndCopyALineForXclip) {
    if (std::getenv("TAVRIX_VIEWER_XCLIP") == nullptr) {
        GTEST_SKIP() << "run by tests/e2e/viewer_copy_xclip.sh";
    }
    InitViewerTextSupport();
    Win32ClipboardBackend backend;
    ClipboardPort::Install(backend);
    auto parent = test::TopLevelWindow(WS_OVERLAPPEDWINDOW, {0, 0, 700, 500}, L"xclip");
    ASSERT_NE(parent.get(), nullptr);
    {
        BinHexWindow viewer(ClipboardPort::Instance(), parent.get(), RECT{0, 0, 640, 400});
        // Windows-1252 bytes: "Grüße aus dem Viewer" on the second line.
        const std::string text = "header\r\nGr\xFC\xDF"
                                 "e aus dem Viewer\r\nfooter\r\n";
        MemoryStream stream;
        stream.Assign(std::vector<std::uint8_t>(text.begin(), text.end()));
        TZorvBinHex& model = viewer.Model();
        const BinHexProbe probe{model};
        model.OpenStream(&stream, true);
        model.SetMode(ViewerMode::Text);
        const int h = probe.FontHeight();
        const int w = probe.FontWidthDigits();
        const int left = probe.LeftMargin();
        SendMessageW(viewer.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(left + 1, h + h / 2));
        SendMessageW(viewer.Handle(), WM_MOUSEMOVE, MK_LBUTTON,
                     MAKELPARAM(left + 40 * w, h + h / 2));
        SendMessageW(viewer.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(left + 40 * w, h + h / 2));
        ASSERT_EQ(probe.SelStart(), 8);
        ASSERT_EQ(probe.SelLength(), 20);
        BYTE keys[256] = {};
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        SendMessageW(viewer.Handle(), WM_KEYDOWN, 'C', 0);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }
    parent.reset();
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    std::wstring copied;
    if (data != nullptr) {
        copied = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    EXPECT_EQ(copied, L"Gr\u00FC\u00DFe aus dem Viewer");
}

} // namespace
} // namespace tavrix::win32
