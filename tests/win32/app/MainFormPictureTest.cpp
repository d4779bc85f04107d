// Pictures in the main window: image files under their registered names decoded into the
// picture view, transparency over the checkerboard, and what broken files show.
#include "MainFormFixture.h"

#include "support/ImageFiles.h"
#include "ui/win32/Checkerboard.h"
#include "viewer/PngFile.h"

#include <cwchar>
#include <utility>

namespace tavrix::test {
namespace {

using testing::Pixels;
using win32::TMainForm;
using PV = PreviewView;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// Left half clear, right half opaque red.
std::vector<std::uint32_t> HalfClear(int width, int height, std::uint32_t right) {
    std::vector<std::uint32_t> argb;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            argb.push_back(x < width / 2 ? 0x00000000 : right);
        }
    }
    return argb;
}

std::vector<std::uint8_t> File(ImageFileKind kind, int width, int height) {
    auto bytes = EncodeImageFile(kind, width, height, HalfClear(width, height, 0xFFFF0000));
    EXPECT_FALSE(bytes.empty());
    return bytes;
}

// What the picture view shows on the screen, from its top left corner.
Pixels ShownPicture(TMainForm& f, int width, int height) {
    HWND image = f.Preview().Image().Handle();
    RedrawWindow(image, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(image);
    Pixels pixels = testing::CapturePixels(dc, width, height);
    ReleaseDC(image, dc);
    return pixels;
}

// The squares at the top left of a transparent area: white, then grey to the right and below.
void ExpectCheckerboard(const Pixels& pixels, int cell = 8) {
    EXPECT_EQ(pixels.At(0, 0), win32::kCheckerLight);
    EXPECT_EQ(pixels.At(cell - 1, 0), win32::kCheckerLight);
    EXPECT_EQ(pixels.At(0, cell - 1), win32::kCheckerLight);
    EXPECT_EQ(pixels.At(cell, 0), win32::kCheckerDark);
    EXPECT_EQ(pixels.At(0, cell), win32::kCheckerDark);
    EXPECT_EQ(pixels.At(cell, cell), win32::kCheckerLight);
}

TEST_F(MainFormTest, PngWithAlphaShowsOverTheCheckerboardAndZooms) {
    const std::vector<std::uint8_t> png = File(ImageFileKind::Png, 64, 32);
    PutClipboard({{RegisterClipboardFormatW(L"PNG"), png}});
    TMainForm& f = CreateForm();
    EXPECT_EQ(f.Status().Description(), L"64 x 32");
    // Decoded from the preview stream's copy of the file, the only one the program holds.
    EXPECT_EQ(f.Preview().PreviewStream().Bytes(), png);
    ASSERT_TRUE(f.Preview().IsVisible(PV::Picture));
    const Pixels shown = ShownPicture(f, 64, 32);
    ExpectCheckerboard(shown);
    EXPECT_EQ(shown.Count(kRed, 32, 0, 64, 32), 32 * 32);

    SelectNodeShown(NodeIndex(f.Formats().Handle(), L"PNG"));
    EXPECT_EQ(f.Status().Size(), L"64 x 32");
    f.Zoom(win32::ZoomStep::In);
    EXPECT_EQ(f.Preview().Image().Width(), 128);
    EXPECT_EQ(f.Preview().Image().Height(), 64);
    EXPECT_EQ(ShownPicture(f, 128, 64).Count(kRed, 64, 0, 128, 64), 64 * 64);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainFormTest, JpegUnderJfifAndGifShowTheirSizes) {
    PutClipboard({{RegisterClipboardFormatW(L"JFIF"), File(ImageFileKind::Jpeg, 40, 30)}});
    TMainForm& f = CreateForm();
    EXPECT_EQ(f.Status().Description(), L"40 x 30");
    EXPECT_TRUE(f.Preview().IsVisible(PV::Picture));

    PutClipboard({{RegisterClipboardFormatW(L"image/gif"), File(ImageFileKind::Gif, 20, 10)}});
    WaitForRefresh();
    EXPECT_EQ(f.Status().Description(), L"20 x 10");
    SelectNodeShown(NodeIndex(f.Formats().Handle(), L"image/gif"));
    EXPECT_EQ(f.Status().Size(), L"20 x 10");
    EXPECT_TRUE(f.Preview().IsVisible(PV::Picture));
    // GIF keeps its colours exactly.
    const Pixels shown = ShownPicture(f, 20, 10);
    EXPECT_EQ(shown.Count(kRed, 10, 0, 20, 10), 10 * 10);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainFormTest, TruncatedOrOversizedPngShowsItsBytes) {
    std::vector<std::uint8_t> cut = File(ImageFileKind::Png, 64, 32);
    cut.resize(cut.size() / 2);
    // A whole file, one pixel wider than decoding allows.
    const std::vector<std::uint8_t> wide = EncodeImageFile(
        ImageFileKind::Png, 16385, 1, std::vector<std::uint32_t>(16385, 0xFF00FF00));
    ASSERT_FALSE(wide.empty());
    const std::pair<const wchar_t*, const std::vector<std::uint8_t>*> cases[] = {
        {L"image/png", &cut}, {L"PNG", &wide}};
    PutClipboard({{RegisterClipboardFormatW(cases[0].first), cut}});
    TMainForm& f = CreateForm();
    for (const auto& [name, png] : cases) {
        SCOPED_TRACE(std::string(name, name + std::wcslen(name)));
        if (png == &wide) {
            PutClipboard({{RegisterClipboardFormatW(name), wide}});
            WaitForRefresh();
        }
        EXPECT_TRUE(f.Preview().IsVisible(PV::Viewer));
        EXPECT_EQ(f.Preview().Viewer().Mode(), ViewerMode::Hex);
        EXPECT_EQ(f.Status().Description(), L"");
        const int node = NodeIndex(f.Formats().Handle(), name);
        ASSERT_NE(node, -1);
        SelectNodeShown(node);
        EXPECT_TRUE(f.Preview().IsVisible(PV::Viewer));
        EXPECT_EQ(f.Preview().Viewer().Mode(), ViewerMode::Hex);
        EXPECT_GE(f.Preview().PreviewStream().Bytes().size(), png->size());
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainFormTest, BitmapWithAlphaShowsOverTheCheckerboardOthersAsBefore) {
    // A short header, bottom-up, then a version 5 header with masks, top-down.
    auto dib = [](int width, bool v5) {
        return tavrix::testing::MakeDib32(width, 16, HalfClear(width, 16, 0xFF0000FF), v5);
    };
    PutClipboard({{CF_DIB, dib(32, false)}});
    TMainForm& f = CreateForm();
    for (int width : {32, 40}) {
        SCOPED_TRACE(width);
        if (width == 40) {
            PutClipboard({{CF_DIBV5, dib(width, true)}});
            WaitForRefresh();
        }
        ASSERT_EQ(f.Status().Description(), std::to_wstring(width) + L" x 16");
        const Pixels shown = ShownPicture(f, width, 16);
        ExpectCheckerboard(shown);
        EXPECT_EQ(shown.Count(kBlue, width / 2, 0, width, 16), width / 2 * 16);
    }

    // Alpha bytes all zero: an opaque picture, drawn as it always was.
    PutClipboard({{CF_DIB, tavrix::testing::MakeDib32(
                               16, 16, std::vector<std::uint32_t>(256, 0x00FF0000))}});
    WaitForRefresh();
    EXPECT_EQ(ShownPicture(f, 16, 16).Count(kRed, 0, 0, 16, 16), 256);
}

class MainFormPictureAt144Dpi : public MainFormTest {
protected:
    int PixelsPerInch() const override { return 144; }
};

TEST_F(MainFormPictureAt144Dpi, CheckerboardSquaresGrowWithTheResolution) {
    PutClipboard({{RegisterClipboardFormatW(L"PNG"), File(ImageFileKind::Png, 64, 32)}});
    ExpectCheckerboard(ShownPicture(CreateForm(), 64, 32), 12);
}

} // namespace
} // namespace tavrix::test
