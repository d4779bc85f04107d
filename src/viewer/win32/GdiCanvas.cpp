#include "viewer/win32/GdiCanvas.h"

#include "base/win32/WindowDC.h"

#include <algorithm>
#include <climits>

namespace tavrix::win32 {

namespace {

int Length(std::wstring_view text) {
    return text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
}

RECT ToRect(const Rect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

COLORREF GdiCanvas::ToColorRef(Color color) {
    if (IsSystemColor(color)) {
        return GetSysColor(SystemColorIndex(color));
    }
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

GdiCanvas::GdiCanvas() = default;

GdiCanvas::GdiCanvas(HDC dc, int width, int height) {
    Attach(dc, width, height);
}

GdiCanvas::~GdiCanvas() {
    Detach();
}

void GdiCanvas::Attach(HDC dc, int width, int height) {
    dc_ = dc;
    width_ = width;
    height_ = height;
    originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
    originalBrush_ = GetCurrentObject(dc_, OBJ_BRUSH);
    originalPen_ = GetCurrentObject(dc_, OBJ_PEN);
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, ToColorRef(brushColor_));
}

// Puts the device context's own objects back, so that ours can be deleted.
void GdiCanvas::Detach() {
    if (dc_ == nullptr) {
        return;
    }
    SelectObject(dc_, originalFont_);
    SelectObject(dc_, originalBrush_);
    SelectObject(dc_, originalPen_);
    dc_ = nullptr;
}

void GdiCanvas::SetFont(const ViewerFont& font) {
    ::SetTextColor(dc_, ToColorRef(font.textColor));
    if (fontMade_ && font == font_) {
        return;
    }
    LOGFONTW lf{};
    const int pixelsPerInch = pixelsPerInch_ > 0 ? pixelsPerInch_ : GetDeviceCaps(dc_, LOGPIXELSY);
    lf.lfHeight = -MulDiv(font.size, pixelsPerInch, 72);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfStrikeOut = font.strikeOut ? TRUE : FALSE;
    lf.lfCharSet = font.charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    const std::size_t nameLength = std::min<std::size_t>(font.name.size(), LF_FACESIZE - 1);
    std::copy_n(font.name.data(), nameLength, lf.lfFaceName);
    win32::Font made(CreateFontIndirectW(&lf));
    if (!made) {
        return; // keep the font we had
    }
    SelectObject(dc_, made.get());
    fontObject_ = std::move(made);
    font_ = font;
    fontMade_ = true;
    fontHeight_ = lf.lfHeight;
}

void GdiCanvas::SetTextColor(Color color) {
    ::SetTextColor(dc_, ToColorRef(color));
}

void GdiCanvas::SetBrushColor(Color color) {
    if (!brushObject_ || brushClear_ || color != brushColor_) {
        Brush made(CreateSolidBrush(ToColorRef(color)));
        if (made) {
            SelectObject(dc_, made.get());
            brushObject_ = std::move(made);
        }
    }
    brushColor_ = color;
    brushClear_ = false;
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, ToColorRef(color));
}

void GdiCanvas::SetBrushClear() {
    SelectObject(dc_, GetStockObject(NULL_BRUSH));
    brushObject_.reset();
    brushClear_ = true;
    SetBkMode(dc_, TRANSPARENT);
}

void GdiCanvas::SetPen(Color color, int width) {
    Pen made(CreatePen(PS_SOLID, std::max(width, 0), ToColorRef(color)));
    if (made) {
        SelectObject(dc_, made.get());
        penObject_ = std::move(made);
    }
}

bool GdiCanvas::TextWidth(std::wstring_view text, int& width) {
    SIZE size{};
    if (!GetTextExtentPoint32W(dc_, text.data(), Length(text), &size)) {
        return false;
    }
    width = size.cx;
    return true;
}

bool GdiCanvas::PrefixExtents(std::wstring_view text, std::span<int> extents) {
    if (extents.size() < text.size()) {
        return false;
    }
    if (text.empty()) {
        return true;
    }
    SIZE size{};
    return GetTextExtentExPointW(dc_, text.data(), Length(text), 0, nullptr, extents.data(),
                                 &size) != FALSE;
}

bool GdiCanvas::TextMetrics(int& height, int& firstChar) {
    TEXTMETRICW tm{};
    if (!GetTextMetricsW(dc_, &tm)) {
        return false;
    }
    height = tm.tmHeight;
    firstChar = tm.tmFirstChar;
    return true;
}

void GdiCanvas::DrawTextAt(int x, int y, std::wstring_view text) {
    TextOutW(dc_, x, y, text.data(), Length(text));
}

void GdiCanvas::FillRect(const Rect& rect) {
    if (brushClear_) {
        return;
    }
    if (!brushObject_) {
        SetBrushColor(brushColor_);
    }
    const RECT rc = ToRect(rect);
    ::FillRect(dc_, &rc, brushObject_.get());
}

void GdiCanvas::InvertRect(const Rect& rect) {
    const RECT rc = ToRect(rect);
    ::InvertRect(dc_, &rc);
}

void GdiCanvas::Line(int x1, int y1, int x2, int y2) {
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
}

void GdiCanvas::Ellipse(const Rect& rect) {
    ::Ellipse(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiCanvas::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
}

void GdiCanvas::SetPixelsPerInch(int pixelsPerInch) {
    if (pixelsPerInch != pixelsPerInch_) {
        pixelsPerInch_ = pixelsPerInch;
        fontMade_ = false; // the next SetFont makes it anew at this resolution
    }
}

std::unique_ptr<Canvas> GdiCanvas::CreateCompatible() {
    auto scratch = std::make_unique<GdiPicture>(dc_, 1, 1);
    if (scratch->Dc() == nullptr) {
        return nullptr;
    }
    scratch->SetPixelsPerInch(pixelsPerInch_);
    return scratch;
}

GdiPicture::GdiPicture(HDC compatibleWith, int width, int height) {
    const WindowDC screen = scoped::GetDC(nullptr);
    memoryDc_ =
        scoped::CreateCompatibleDC(compatibleWith != nullptr ? compatibleWith : screen.get());
    if (!memoryDc_) {
        return;
    }
    Attach(memoryDc_.get(), 0, 0);
    SetSize(width, height);
}

GdiPicture::~GdiPicture() {
    Detach();
}

void GdiPicture::SetSize(int width, int height) {
    if (!memoryDc_) {
        return;
    }
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (bitmap_ && width == width_ && height == height_) {
        return;
    }
    // Bitmaps compatible with the screen: a memory device context alone would give monochrome.
    const WindowDC screen = scoped::GetDC(nullptr);
    win32::Bitmap made(CreateCompatibleBitmap(screen.get(), width, height));
    if (!made) {
        return;
    }
    SelectBitmap(memoryDc_, made.get());
    bitmap_ = std::move(made);
    width_ = width;
    height_ = height;
}

} // namespace tavrix::win32
