// The GDI canvas: measuring and drawing with the system's text functions.
#include "viewer/win32/GdiCanvas.h"
#include "viewer/LineDrawing.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

namespace tavrix::win32 {
namespace {

ViewerFont Font(const wchar_t* name, int size) {
    ViewerFont font;
    font.name = name;
    font.size = size;
    font.textColor = 0x000000;
    return font;
}

int PrefixWidth(HDC dc, const std::wstring& text, std::size_t count) {
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(count), &size));
    return size.cx;
}

class GdiCanvasTest : public ::testing::Test {
protected:
    GdiPicture picture{nullptr, 200, 60};
};

TEST_F(GdiCanvasTest, CharExtentsAreThePrefixWidthsOfThePreparedLine) {
    for (const wchar_t* face : {L"Courier New", L"Arial", L"Tahoma"}) {
        picture.SetFont(Font(face, 11));
        LineOutputOptions options;
        options.showNonPrintable = true;
        options.monospaced = true;
        options.tabSize = 4;
        const std::wstring text = L"Wide\tim lines, W.\t!";
        CharExtents e;
        ASSERT_TRUE(GetCharExtents(picture, text, e, options));
        const std::wstring prepared = PrepareLineText(text, options);
        // Source character i ends where the prepared text's matching prefix ends.
        std::size_t pos = 0;
        for (std::size_t i = 1; i <= text.size(); ++i) {
            pos += text[i - 1] == L'\t' ? 4 - (pos % 4) : 1;
            EXPECT_EQ(e[i], PrefixWidth(picture.Dc(), prepared, pos)) << face << " char " << i;
            EXPECT_GT(e[i], e[i - 1]) << face << " char " << i;
        }
        EXPECT_EQ(e[text.size() + 1], 0);
        EXPECT_EQ(LineWidth(picture, text, options), PrefixWidth(picture.Dc(), prepared, pos));
    }
}

TEST_F(GdiCanvasTest, MetricsComeFromTheSelectedFont) {
    picture.SetFont(Font(L"Courier New", 10));
    int height = 0, firstChar = -1, digit = 0;
    bool mono = false;
    GetFontMetrics(picture, height, firstChar, digit, mono);
    TEXTMETRICW tm{};
    ASSERT_TRUE(GetTextMetricsW(picture.Dc(), &tm));
    EXPECT_EQ(height, tm.tmHeight);
    EXPECT_EQ(firstChar, tm.tmFirstChar);
    EXPECT_EQ(digit, PrefixWidth(picture.Dc(), L"0", 1));
    EXPECT_EQ(mono, PrefixWidth(picture.Dc(), L"W", 1) == PrefixWidth(picture.Dc(), L".", 1));
    EXPECT_EQ(FontLineHeight(picture), tm.tmHeight);
    EXPECT_EQ(picture.FontPixelHeight(), -MulDiv(10, GetDeviceCaps(picture.Dc(), LOGPIXELSY), 72));
    picture.SetFont(Font(L"Courier New", 30));
    EXPECT_GT(FontLineHeight(picture), height);

    // After a move to a screen of another resolution the same font is made anew for it, in
    // scratch pictures too.
    picture.SetPixelsPerInch(144);
    picture.SetFont(Font(L"Courier New", 30));
    EXPECT_EQ(picture.FontPixelHeight(), -60);
    std::unique_ptr<Canvas> scratch = picture.CreateCompatible();
    ASSERT_NE(scratch, nullptr);
    scratch->SetFont(Font(L"Courier New", 10));
    EXPECT_EQ(scratch->FontPixelHeight(), -20);
}

int LineHeightAt(HDC reference, int size) {
    GdiPicture scratch(reference, 1, 1);
    scratch.SetFont(Font(L"Arial", size));
    return FontLineHeight(scratch);
}

TEST_F(GdiCanvasTest, StepFontSizeStaysWithinOneToSeventyTwo) {
    ViewerFont font = Font(L"Arial", 72);
    EXPECT_FALSE(StepFontSize(font, picture, true));
    EXPECT_EQ(font.size, 72);
    font.size = 1;
    EXPECT_FALSE(StepFontSize(font, picture, false));
    EXPECT_EQ(font.size, 1);
    font.size = 71;
    const bool changes = LineHeightAt(picture.Dc(), 72) != LineHeightAt(picture.Dc(), 71);
    EXPECT_EQ(StepFontSize(font, picture, true), changes);
    EXPECT_EQ(font.size, changes ? 72 : 71);
    // From 10 up: the result is the first size whose line height differs.
    font.size = 10;
    ASSERT_TRUE(StepFontSize(font, picture, true));
    EXPECT_NE(LineHeightAt(picture.Dc(), font.size), LineHeightAt(picture.Dc(), 10));
    for (int size = 11; size < font.size; ++size) {
        EXPECT_EQ(LineHeightAt(picture.Dc(), size), LineHeightAt(picture.Dc(), 10));
    }
    const int up = font.size;
    ASSERT_TRUE(StepFontSize(font, picture, false));
    EXPECT_LT(font.size, up);
}

TEST_F(GdiCanvasTest, DrawsTextOnTheBrushAndInvertsAreas) {
    picture.SetBrushColor(0xFFFFFF);
    picture.FillRect({0, 0, 200, 60});
    EXPECT_EQ(GetPixel(picture.Dc(), 5, 5), 0xFFFFFFu);
    picture.SetFont(Font(L"Arial", 20));
    picture.SetTextColor(0x0000FF);
    picture.SetBrushColor(0x00FF00);
    DrawLine(picture, 0, 0, LineOutputOptions{}, L"HHHH");
    int red = 0, green = 0;
    for (int x = 0; x < 60; ++x) {
        for (int y = 0; y < 20; ++y) {
            const COLORREF c = GetPixel(picture.Dc(), x, y);
            red += c == 0x0000FF;
            green += c == 0x00FF00;
        }
    }
    EXPECT_GT(red, 20);   // the letters
    EXPECT_GT(green, 20); // opaque cells in the brush colour
    EXPECT_EQ(GetPixel(picture.Dc(), 150, 50), 0xFFFFFFu);
    InvertArea(picture, {140, 40, 160, 60});
    EXPECT_EQ(GetPixel(picture.Dc(), 150, 50), 0x000000u);
    EXPECT_EQ(GetPixel(picture.Dc(), 139, 50), 0xFFFFFFu);
    picture.SetPen(0xFF0000, 2);
    picture.Line(100, 0, 100, 30);
    EXPECT_EQ(GetPixel(picture.Dc(), 100, 10), 0xFF0000u);
}

TEST_F(GdiCanvasTest, PictureResizesAndSystemColoursResolve) {
    picture.SetSize(320, 240);
    EXPECT_EQ(picture.Width(), 320);
    EXPECT_EQ(picture.Height(), 240);
    BITMAP bm{};
    ASSERT_TRUE(GetObjectW(picture.Bitmap(), sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, 320);
    EXPECT_EQ(bm.bmHeight, 240);
    EXPECT_GT(bm.bmBitsPixel, 1);
    EXPECT_EQ(GdiCanvas::ToColorRef(kColorWindowText), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(GdiCanvas::ToColorRef(0x123456), 0x123456u);
    EXPECT_NE(picture.CreateCompatible(), nullptr);
}

} // namespace
} // namespace tavrix::win32
