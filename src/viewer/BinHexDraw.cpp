// Redraw and DrawTo: the steps every screen shares (colours, font and metrics, fitted widths,
// geometry), the selection inversion and the read-error screen. The screens themselves are in
// BinHexHexScreens.cpp and BinHexTextScreen.cpp.
#include "viewer/LineDrawing.h"
#include "viewer/ViewerAssert.h"
#include "viewer/ViewerMessages.h"
#include "viewer/ZorvBinHex.h"

#include <algorithm>
#include <string>

namespace tavrix {

namespace {

std::wstring PositionsMessage(std::int64_t bufferPos, std::int64_t viewPos,
                              std::int64_t bufMaxOffset) {
    return L"Positions out of range: DrawTo\rBufferPos: " + std::to_wstring(bufferPos) +
           L", ViewPos: " + std::to_wstring(viewPos) + L", BufMaxOffset: " +
           std::to_wstring(bufMaxOffset);
}

} // namespace

Canvas& TZorvBinHex::PictureCanvas() {
    Canvas* picture = surface_.Picture();
    if (picture == nullptr) {
        FailAssertion(L"Bitmap not assigned", L"ZorvBinHex");
    }
    return *picture;
}

bool TZorvBinHex::OemFontInUse() const {
    return !IsUnicodeMode(options_.Mode) && options_.TextEncoding == vEncOEM &&
           options_.TextOemSpecial;
}

TZorvBinHexOutputOptions TZorvBinHex::OutputOptions(bool lineEnd) const {
    TZorvBinHexOutputOptions options;
    options.ShowNonPrintable = options_.TextNonPrintable;
    options.ShowLineEnd = lineEnd;
    options.OemFont = OemFontInUse();
    options.Monospaced = fontMonospaced_;
    options.TabSize = options_.TextTabSize;
    return options;
}

void TZorvBinHex::Redraw() {
    const int width = surface_.ClientWidth();
    const int height = surface_.ClientHeight();
    if (document_.Size() < CharSize()) {
        surface_.SetVertScrollBar({});
        surface_.SetHorzScrollBar({});
        ChooseColors();
        PreparePicture(PictureCanvas(), width, height);
    } else {
        DrawTo(surface_.Picture(), width, height);
        UpdateVertScrollBar();
        UpdateHorzScrollBar();
    }
    surface_.Present();
}

void TZorvBinHex::ChooseColors() {
    colors_.Background = options_.BackgroundColor;
    colors_.Band = options_.TextColorHexBack;
    if (enabled_) {
        colors_.Text = CurrentFont().TextColor;
        colors_.Hex = options_.TextColorHex;
        colors_.Hex2 = options_.TextColorHex2;
        colors_.Lines = options_.TextColorLines;
        colors_.Error = options_.TextColorError;
        colors_.Link = options_.TextColorURL;
    } else {
        colors_.Text = colors_.Hex = colors_.Hex2 = colors_.Lines = colors_.Error = colors_.Link =
            kColorGrayText;
    }
}

void TZorvBinHex::PreparePicture(Canvas& canvas, int width, int height) {
    canvas.SetSize(width, height);
    canvas.SetBrushColor(colors_.Background);
    canvas.FillRect({0, 0, width, height});
    DrawGutterBand(canvas, height, true);
    canvas.SetBrushColor(colors_.Background);
}

void TZorvBinHex::ResetMetrics(Canvas& canvas) {
    canvas.SetFont(CurrentFont());
    canvas.SetTextColor(colors_.Text);
    GetFontMetrics(canvas, fontHeight_, fontFirstChar_, fontWidthDigits_, fontMonospaced_);
    // A font without height or digit width would make every division below meaningless.
    fontHeight_ = std::max(fontHeight_, 1);
    fontWidthDigits_ = std::max(fontWidthDigits_, 1);
    // Some fonts report a first character above the blank (Wine's stand-in for Courier New
    // reports 33); the blank must still show as itself, not as a dot.
    fontFirstChar_ = std::min(fontFirstChar_, 32);
}

void TZorvBinHex::DrawTo(Canvas* picture, int width, int height) {
    if (!(document_.BufferPos() <= viewPos_ &&
          viewPos_ <= document_.BufferPos() + 2 * document_.BlockSize())) {
        FailAssertion(PositionsMessage(document_.BufferPos(), viewPos_, document_.BlockSize()),
                      L"ZorvBinHex");
    }
    if (picture == nullptr) {
        FailAssertion(L"Bitmap not assigned", L"ZorvBinHex");
    }
    Canvas& canvas = *picture;
    viewPageSize_ = 0;
    viewAtEnd_ = false;
    ChooseColors();
    PreparePicture(canvas, width, height);
    positions_.Clear(CharSize());
    ResetMetrics(canvas);
    ApplyFittedWidths(width);
    linesCount_ = ComputeLinesCount(height);
    viewPageSize_ = linesCount_ * LineSize();
    if (!document_.BufferOk()) {
        DrawReadError(canvas, width, height);
        return;
    }
    switch (options_.Mode) {
    case vbmodeText:
    case vbmodeUnicode:
        DrawTextScreen(canvas);
        break;
    case vbmodeBinary:
        DrawBinaryScreen(canvas);
        break;
    case vbmodeHex:
        DrawHexScreen(canvas, false);
        break;
    case vbmodeUHex:
        DrawHexScreen(canvas, true);
        break;
    }
}

void TZorvBinHex::DrawReadError(Canvas& canvas, int width, int height) {
    const std::wstring text = FormatReadError(viewPos_, offsetDigits_);
    canvas.SetTextColor(colors_.Error);
    canvas.SetBrushColor(colors_.Background);
    const int textWidth = LineWidth(canvas, text, OutputOptions());
    const int x = std::max((width - textWidth) / 2, LeftMargin());
    const int y = std::max((height - fontHeight_) / 2, 0);
    DrawLine(canvas, x, y, OutputOptions(), text);
}

std::int64_t TZorvBinHex::MeasureText(Canvas& canvas, const std::wstring& text,
                                      TCharExtents& extents) const {
    if (!GetCharExtents(canvas, text, extents, OutputOptions())) {
        return -1;
    }
    return static_cast<std::int64_t>(std::min<std::size_t>(text.size(), kMaxCharExtents));
}

void TZorvBinHex::InvertSelection(Canvas& canvas, const std::wstring& text, int x, int y,
                                  std::int64_t first, bool whole) {
    const std::int64_t charSize = CharSize();
    const auto n = static_cast<std::int64_t>(whole ? 1 : text.size());
    if (selLength_ <= 0 || text.empty()) {
        return;
    }
    if (first + (n - 1) * charSize < selStart_ || selStart_ + selLength_ - charSize < first ||
        x >= canvas.Width() || y >= canvas.Height()) {
        return;
    }
    TCharExtents extents;
    const std::int64_t length = MeasureText(canvas, text, extents);
    if (length < 0) {
        return;
    }
    Rect rect{x, y, x, y + fontHeight_};
    if (whole) {
        rect.right = x + extents[static_cast<std::size_t>(length)];
    } else {
        const std::int64_t k1 = std::max<std::int64_t>((selStart_ - first) / charSize, 0);
        const std::int64_t k2 =
            std::min<std::int64_t>((selStart_ + selLength_ - first) / charSize, length);
        if (k2 <= k1) {
            return;
        }
        rect.left = x + extents[static_cast<std::size_t>(k1)];
        rect.right = x + extents[static_cast<std::size_t>(k2)];
    }
    InvertArea(canvas, rect);
}

} // namespace tavrix
