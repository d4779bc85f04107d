#pragma once
// The viewer's canvas over a GDI device context: TextOutW, GetTextExtentPoint32W,
// GetTextExtentExPointW, GetTextMetricsW, InvertRect and friends, with the fonts, brushes and
// pens it needs made on demand and restored in the device context when it ends.
#include "base/win32/BitmapDC.h"
#include "base/win32/GdiObjects.h"
#include "viewer/Canvas.h"

#include <windows.h>

namespace tavrix::win32 {

class GdiCanvas : public Canvas {
public:
    // Draws on dc, which stays the caller's; width and height describe its drawing area.
    GdiCanvas(HDC dc, int width, int height);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    HDC Dc() const { return dc_; }

    void SetFont(const ViewerFont& font) override;
    const ViewerFont& Font() const override { return font_; }
    void SetTextColor(Color color) override;
    void SetBrushColor(Color color) override;
    void SetBrushClear() override;
    void SetPen(Color color, int width) override;

    bool TextWidth(std::wstring_view text, int& width) override;
    bool PrefixExtents(std::wstring_view text, std::span<int> extents) override;
    bool TextMetrics(int& height, int& firstChar) override;
    int FontPixelHeight() override { return fontHeight_; }

    void DrawTextAt(int x, int y, std::wstring_view text) override;
    void FillRect(const Rect& rect) override;
    void InvertRect(const Rect& rect) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Ellipse(const Rect& rect) override;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetSize(int width, int height) override;
    std::unique_ptr<Canvas> CreateCompatible() override;

    static COLORREF ToColorRef(Color color);

    // The resolution fonts are made for: the window's own once it has moved to a screen of
    // another resolution; 0 (the default) is the device context's.
    void SetPixelsPerInch(int pixelsPerInch);

protected:
    // For pictures that create their device context after this base is built.
    GdiCanvas();
    void Attach(HDC dc, int width, int height);
    void Detach();
    int width_ = 0;
    int height_ = 0;

private:
    HDC dc_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
    ViewerFont font_;
    bool fontMade_ = false;
    int pixelsPerInch_ = 0;
    int fontHeight_ = 0;
    win32::Font fontObject_;
    Color brushColor_ = 0xFFFFFF;
    bool brushClear_ = false;
    Brush brushObject_;
    Pen penObject_;
};

// An off-screen picture: a memory device context with a bitmap of the requested size, compatible
// with the screen (or with another device context).
class GdiPicture : public GdiCanvas {
public:
    explicit GdiPicture(HDC compatibleWith = nullptr, int width = 1, int height = 1);
    ~GdiPicture() override;

    void SetSize(int width, int height) override;
    HBITMAP Bitmap() const { return bitmap_.get(); }

private:
    win32::Bitmap bitmap_;
    BitmapDC memoryDc_; // ends before bitmap_, so the bitmap is selected out when it is deleted
};

} // namespace tavrix::win32
