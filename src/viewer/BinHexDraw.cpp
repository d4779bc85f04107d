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
    return !IsUnicodeMode(options_.mode) && options_.textEncoding == ViewerEncoding::OEM &&
           options_.textOemSpecial;
}

LineOutputOptions TZorvBinHex::OutputOptions(bool lineEnd) const {
    LineOutputOptions options;
    options.showNonPrintable = options_.textNonPrintable;
    options.showLineEnd = lineEnd;
    options.oemFont = OemFontInUse();
    options.monospaced = fontMonospaced_;
    options.tabSize = options_.textTabSize;
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
    colors_.background = options_.backgroundColor;
    colors_.band = options_.textColorHexBack;
    if (enabled_) {
        colors_.text = CurrentFont().textColor;
        colors_.hex = options_.textColorHex;
        colors_.hex2 = options_.textColorHex2;
        colors_.lines = options_.textColorLines;
        colors_.error = options_.textColorError;
        colors_.link = options_.textColorURL;
    } else {
        colors_.text = colors_.hex = colors_.hex2 = colors_.lines = colors_.error = colors_.link =
            kColorGrayText;
    }
}

void TZorvBinHex::PreparePicture(Canvas& canvas, int width, int height) {
    canvas.SetSize(width, height);
    canvas.SetBrushColor(colors_.background);
    canvas.FillRect({0, 0, width, height});
    DrawGutterBand(canvas, height, true);
    canvas.SetBrushColor(colors_.background);
}

void TZorvBinHex::ResetMetrics(Canvas& canvas) {
    canvas.SetFont(CurrentFont());
    canvas.SetTextColor(colors_.text);
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
    const ViewerMode mode = options_.mode;
    if (mode == ViewerMode::Text || mode == ViewerMode::Unicode) {
        DrawTextScreen(canvas);
    } else if (mode == ViewerMode::Binary) {
        DrawBinaryScreen(canvas);
    } else {
        DrawHexScreen(canvas, mode == ViewerMode::UHex);
    }
}

void TZorvBinHex::DrawReadError(Canvas& canvas, int width, int height) {
    const std::wstring text = FormatReadError(viewPos_, offsetDigits_);
    canvas.SetTextColor(colors_.error);
    canvas.SetBrushColor(colors_.background);
    const int textWidth = LineWidth(canvas, text, OutputOptions());
    const int x = std::max((width - textWidth) / 2, LeftMargin());
    const int y = std::max((height - fontHeight_) / 2, 0);
    DrawLine(canvas, x, y, OutputOptions(), text);
}

std::int64_t TZorvBinHex::MeasureText(Canvas& canvas, const std::wstring& text,
                                      CharExtents& extents) const {
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
    CharExtents extents;
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
