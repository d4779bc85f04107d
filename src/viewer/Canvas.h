#pragma once
// The drawing surface the viewer draws and measures text on. The Win32 adapter draws with GDI
// into a memory bitmap or a window's device context; unit tests use a fixed-width recording
// canvas. Text is UTF-16: every wchar_t holds one UTF-16 code unit, on every platform.
#include "viewer/ViewerFont.h"

#include <memory>
#include <span>
#include <string_view>

namespace tavrix {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Right and bottom edges are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // --- Font and colours --------------------------------------------------------------------
    // Makes font the current font; the text colour becomes the font's colour.
    virtual void SetFont(const ViewerFont& font) = 0;
    virtual const ViewerFont& Font() const = 0;
    virtual void SetTextColor(Color color) = 0;
    // The brush fills rectangles and the cells behind text (text is drawn opaque). A clear brush
    // fills nothing: text is drawn transparent and FillRect does nothing.
    virtual void SetBrushColor(Color color) = 0;
    virtual void SetBrushClear() = 0;
    // The pen draws lines and outlines.
    virtual void SetPen(Color color, int width) = 0;

    // --- Measuring (current font) ------------------------------------------------------------
    // Width in pixels of text; false when the platform cannot measure it.
    virtual bool TextWidth(std::wstring_view text, int& width) = 0;
    // For every character i of text, the width from text's start to the right edge of character
    // i, into extents[i] (extents.size() >= text.size()), in one measurement. False on failure.
    virtual bool PrefixExtents(std::wstring_view text, std::span<int> extents) = 0;
    // Line height and first defined character of the current font from the platform's text
    // metrics; false when they are not available.
    virtual bool TextMetrics(int& height, int& firstChar) = 0;
    // The current font's height in pixels as the font object states it (may be negative).
    virtual int FontPixelHeight() = 0;

    // --- Drawing -----------------------------------------------------------------------------
    // Text with its top left at (x, y), in the text colour, cells filled with the brush.
    virtual void DrawTextAt(int x, int y, std::wstring_view text) = 0;
    virtual void FillRect(const Rect& rect) = 0;
    // Logical NOT of every pixel of the rectangle.
    virtual void InvertRect(const Rect& rect) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // An ellipse inside rect, outlined with the pen and filled with the brush.
    virtual void Ellipse(const Rect& rect) = 0;

    // --- Surface -----------------------------------------------------------------------------
    // Size of the surface in pixels. SetSize resizes an off-screen picture (its content is then
    // undefined); canvases over a window ignore it.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetSize(int width, int height) = 0;
    // A scratch surface on the same device, for measuring with another font; empty when none
    // can be made.
    virtual std::unique_ptr<Canvas> CreateCompatible() = 0;
};

} // namespace tavrix
