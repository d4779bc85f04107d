// The viewer window on Wine's real GDI: it renders into its off-screen picture, copies that to the
// screen, erases nothing, answers the dialog-code query, greys out when disabled and answers the
// view's questions with the viewer's boxes. The hex and
// the Unicode text screens are saved as PNG files in the build directory.
#include "viewer/win32/BinHexWindow.h"
#include "BinHexProbe.h"
#include "base/Error.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "support/MessagePump.h"
#include "support/TestWindow.h"
#include "viewer/PngFile.h"
#include "viewer/ViewerMessages.h"
#include "viewer/win32/Win32CodepageSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tavrix::win32 {
namespace {

using testing::CapturePixels;
using testing::Pixels;

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBand = RGB(0xEC, 0xEC, 0xEC);
constexpr COLORREF kLines = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);

// Long enough for the paints and resizes a change brings.
void PumpMessages() {
    test::PumpMessagesFor(100);
}

class BinHexWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitViewerTextSupport(); }

    void SetUp() override {
        host_ = test::TopLevelWindow(WS_POPUP | WS_VISIBLE, {0, 0, 640, 400}, L"viewer test");
        ASSERT_NE(host_.get(), nullptr) << "top-level windows need a display (run under xvfb-run)";
        viewer_ = std::make_unique<BinHexWindow>(clipboard_, host_.get(), RECT{0, 0, 600, 360});
        PumpMessages();
    }
    void TearDown() override {
        viewer_.reset();
        host_.reset();
    }

    void Show(std::vector<std::uint8_t> bytes, ViewerMode mode) {
        stream_.Assign(bytes);
        viewer_->Model().OpenStream(&stream_, true);
        viewer_->Model().SetMode(mode);
        PumpMessages();
    }
    Pixels Picture() {
        GdiPicture& picture = viewer_->OffscreenPicture();
        return CapturePixels(picture.Dc(), picture.Width(), picture.Height());
    }
    Pixels Screen() {
        RECT client{};
        GetClientRect(viewer_->Handle(), &client);
        HDC dc = GetDC(viewer_->Handle());
        Pixels pixels = CapturePixels(dc, client.right, client.bottom);
        ReleaseDC(viewer_->Handle(), dc);
        return pixels;
    }
    std::vector<std::uint8_t> Counting(int n) {
        std::vector<std::uint8_t> bytes;
        for (int i = 0; i < n; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(i));
        }
        return bytes;
    }

    Win32ClipboardBackend backend_;
    ClipboardPort clipboard_{backend_};
    test::TestWindow host_;
    std::unique_ptr<BinHexWindow> viewer_;
    MemoryStream stream_;
};

TEST_F(BinHexWindowTest, HexScreenRendersIntoTheOffscreenPictureWithBandCellsAndLines) {
    Show(Counting(256), ViewerMode::Hex);
    TZorvBinHex& model = viewer_->Model();
    const BinHexProbe probe{model};
    ASSERT_TRUE(viewer_->LastError().empty())
        << std::string(viewer_->LastError().begin(), viewer_->LastError().end());
    RECT client{};
    GetClientRect(viewer_->Handle(), &client);
    const Pixels picture = Picture();
    ASSERT_EQ(picture.width, client.right);
    ASSERT_EQ(picture.height, client.bottom);

    const int h = probe.FontHeight();
    const int cw = probe.FontWidthDigits();
    ASSERT_GT(h, 0);
    ASSERT_GT(cw, 0);
    // The band's grey shows between the cells of the first row.
    const int bandLeft = probe.HexBandX();
    EXPECT_GT(picture.Count(kBand, bandLeft, 0, bandLeft + probe.HexBandWidth(), h), 100);
    // Cells 0 and 1 are navy, 2 and 3 blue.
    for (int j = 0; j < 4; ++j) {
        const int x = probe.HexCellX(j);
        const int navy = picture.Count(kNavy, x, 0, x + 2 * cw, h);
        const int blue = picture.Count(kBlue, x, 0, x + 2 * cw, h);
        if (j < 2) {
            EXPECT_GT(navy, 5) << j;
            EXPECT_EQ(blue, 0) << j;
        } else {
            EXPECT_GT(blue, 5) << j;
            EXPECT_EQ(navy, 0) << j;
        }
    }
    // The separator lines run down every row.
    for (const int x : {probe.HexBandX(), probe.HexMiddleLineX(), probe.HexLastLineX()}) {
        EXPECT_GE(picture.Count(kLines, x - 1, 0, x + 2, 3 * h), 3 * h) << x;
    }
    // A full source gets a vertical scroll bar.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(viewer_->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nMax, 16);

    // What is on the screen is the picture.
    InvalidateRect(viewer_->Handle(), nullptr, FALSE);
    UpdateWindow(viewer_->Handle());
    const Pixels screen = Screen();
    EXPECT_TRUE(testing::WritePng("viewer-hex.png", screen));
    int differing = 0;
    for (int y = 0; y < picture.height; y += 3) {
        for (int x = 0; x < picture.width; x += 3) {
            differing += screen.At(x, y) != picture.At(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(screen.Count(kBand, bandLeft, 0, bandLeft + probe.HexBandWidth(), h), 100);
}

TEST_F(BinHexWindowTest, UnicodeTextWithGutterShowsSilverBandNumbersAndNoBarsWhenItFits) {
    TZorvBinHex& model = viewer_->Model();
    const BinHexProbe probe{model};
    model.SetOption(&BinHexOptions::textGutter, true);
    model.SetOption(&BinHexOptions::textGutterLinesStep, 1);
    const std::wstring text =
        L"Zeile eins\r\n\x0416\x0438\x0437\x043D\x044C\r\n\x3042\x3044\r\nend";
    std::vector<std::uint8_t> bytes;
    for (wchar_t ch : text) {
        bytes.push_back(static_cast<std::uint8_t>(ch & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(ch >> 8));
    }
    Show(bytes, ViewerMode::Unicode);
    ASSERT_TRUE(viewer_->LastError().empty());
    const Pixels screen = Screen();
    EXPECT_TRUE(testing::WritePng("viewer-unicode-gutter.png", screen));

    // The blank of "Zeile eins" is a blank, whatever first character the font reports.
    EXPECT_LE(probe.FontFirstChar(), 32);
    EXPECT_EQ(probe.GetChar(10), u' ');
    const int h = probe.FontHeight();
    const int gutter = probe.GutterWidth();
    ASSERT_GE(gutter, 10);
    // The gutter band is silver over the whole height, with dark number pixels in the first four
    // rows and none below them.
    EXPECT_GT(screen.Count(kSilver, 0, 5 * h, gutter, screen.height), (screen.height - 5 * h));
    for (int row = 0; row < 4; ++row) {
        const int dark = screen.Count(RGB(0, 0, 0), 0, row * h, gutter, (row + 1) * h);
        EXPECT_GT(dark, 3) << row;
    }
    EXPECT_EQ(screen.Count(RGB(0, 0, 0), 0, 4 * h, gutter, screen.height), 0);
    // Text pixels right of the gutter in the rows of Latin and Cyrillic text.
    for (int row : {0, 1, 3}) {
        EXPECT_GT(
            screen.Count(RGB(0, 0, 0), probe.LeftMargin(), row * h, screen.width, (row + 1) * h), 3)
            << row;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(viewer_->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nMax, 0);
    EXPECT_EQ(info.nPage, 0u);
}

// A stream whose positioning fails while failing is set.
class FlakyStream : public MemoryStream {
public:
    FlakyStream() : MemoryStream(std::vector<std::uint8_t>(100, 'a')) {}
    void SetPosition(std::int64_t position) override {
        ++seeks;
        if (failing) {
            throw Error(L"device not ready");
        }
        MemoryStream::SetPosition(position);
    }
    bool failing = false;
    int seeks = 0;
};

TEST_F(BinHexWindowTest, AFailedReadAsksRetryOrCancelAndAnErrorGetsTheViewersBox) {
    struct Shown {
        std::wstring text;
        std::wstring caption;
        unsigned flags;
    };
    std::vector<Shown> shown;
    InstallViewerMessageBox(
        [&](const std::wstring& text, const std::wstring& caption, unsigned flags, WindowRef) {
            shown.push_back({text, caption, flags});
            return shown.size() == 1 ? kIdRetry : kIdCancel;
        });
    FlakyStream stream;
    viewer_->Model().OpenStream(&stream, false);
    stream.failing = true;
    stream.seeks = 0;
    viewer_->Model().SetMode(ViewerMode::Hex);
    viewer_->ReportError(ViewerCannotCopy());
    InstallViewerMessageBox(nullptr);

    EXPECT_EQ(stream.seeks, 2); // Retry read again, Cancel gave up
    EXPECT_FALSE(viewer_->Model().Document().BufferOk());
    ASSERT_EQ(shown.size(), 3u);
    for (const Shown& box : {shown[0], shown[1]}) {
        EXPECT_EQ(box.text, L"Cannot read stream");
        EXPECT_EQ(box.caption, L"Viewer");
        EXPECT_EQ(box.flags & 0xFFu, static_cast<unsigned>(MB_RETRYCANCEL | MB_ICONERROR));
    }
    EXPECT_EQ(shown[2].text, L"Cannot copy data to Clipboard");
    EXPECT_EQ(shown[2].caption, L"Viewer");
    EXPECT_EQ(shown[2].flags & 0xFFu, static_cast<unsigned>(MB_OK | MB_ICONERROR));
}

TEST_F(BinHexWindowTest, EraseBackgroundAnswersNonzeroAndLeavesTheDeviceContextAlone) {
    Show(Counting(64), ViewerMode::Hex);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 50, 50);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 50, 50};
    FillRect(memory, &all, red);

    const LRESULT result =
        SendMessageW(viewer_->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    EXPECT_NE(result, 0);
    const Pixels after = CapturePixels(memory, 50, 50);
    EXPECT_EQ(after.Count(RGB(255, 0, 0), 0, 0, 50, 50), 2500);

    SelectObject(memory, old);
    DeleteObject(red);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

TEST_F(BinHexWindowTest, AnswersTheDialogCodeQueryAndGreysOutWhenDisabled) {
    EXPECT_EQ(SendMessageW(viewer_->Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);

    Show(Counting(64), ViewerMode::Hex);
    EnableWindow(viewer_->Handle(), FALSE);
    PumpMessages();
    EXPECT_FALSE(viewer_->Model().Enabled());
    const Pixels picture = Picture();
    const int h = BinHexProbe{viewer_->Model()}.FontHeight();
    EXPECT_EQ(picture.Count(kNavy, 0, 0, picture.width, 4 * h), 0);
    EXPECT_EQ(picture.Count(kBlue, 0, 0, picture.width, 4 * h), 0);
    EXPECT_GT(picture.Count(GetSysColor(COLOR_GRAYTEXT), 0, 0, picture.width, 4 * h), 50);
    // The band keeps its colour.
    EXPECT_GT(picture.Count(kBand, 0, 0, picture.width, h), 100);
}

TEST_F(BinHexWindowTest, PanModeDrawsTheAnchorOverThePictureOnlyOnTheScreen) {
    Show(Counting(64), ViewerMode::Hex);
    const Point origin{300, 200};
    BinHexProbe{viewer_->Model()}.EnterPanMode(origin);
    const Pixels screen = Screen();
    const Pixels picture = Picture();
    // The anchor's centre dot is dark and its disc light; the picture itself is unchanged.
    EXPECT_EQ(screen.At(origin.x, origin.y), RGB(0, 0, 0));
    EXPECT_EQ(screen.At(origin.x + 5, origin.y), RGB(255, 255, 255));
    EXPECT_NE(picture.At(origin.x, origin.y), RGB(0, 0, 0));
    BinHexProbe{viewer_->Model()}.LeavePanMode();
    EXPECT_EQ(Screen().At(origin.x, origin.y), Picture().At(origin.x, origin.y));
}

TEST_F(BinHexWindowTest, FailedChecksStopAtTheWindowProcedureWithTheirText) {
    Show(Counting(64), ViewerMode::Hex);
    BinHexProbe{viewer_->Model()}.SetViewPosRaw(1000000); // breaks the position invariant
    // A redraw that does not move the view first (a resize at the end would scroll to the end).
    SendMessageW(viewer_->Handle(), WM_ENABLE, FALSE, 0);
    EXPECT_EQ(viewer_->LastError().rfind(L"Positions out of range: DrawTo", 0), 0u);
    EXPECT_TRUE(IsWindow(viewer_->Handle()));
}

TEST_F(BinHexWindowTest, DefaultSizeAndStylesOfTheControl) {
    BinHexWindow plain(clipboard_, host_.get(), RECT{10, 10, 10, 10});
    RECT window{};
    GetWindowRect(plain.Handle(), &window);
    EXPECT_EQ(window.right - window.left, 200);
    EXPECT_EQ(window.bottom - window.top, 150);
    const LONG_PTR style = GetWindowLongPtrW(plain.Handle(), GWL_STYLE);
    EXPECT_NE(style & WS_CHILD, 0);
    EXPECT_NE(style & WS_BORDER, 0);
    wchar_t name[64] = {};
    GetClassNameW(plain.Handle(), name, 64);
    EXPECT_EQ(std::wstring(name), L"TZorvBinHex");
    // Nothing shown: no scroll bars.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(plain.Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nMax, 0);
}

} // namespace
} // namespace tavrix::win32
