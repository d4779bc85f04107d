// Screen geometry: full lines, fitted widths, the start of the last page and the columns of the
// hexadecimal lines. All x values are before horizontal scrolling.
#include "viewer/ZorvBinHex.h"

#include <algorithm>

namespace tavrix {

int TZorvBinHex::ComputeLinesCount(int height) const {
    return std::clamp((height - 2) / std::max(fontHeight_, 1), 0, kMaxScreenLines);
}

int TZorvBinHex::FitChars(int width) const {
    return std::clamp((width - LeftMargin()) / std::max(fontWidthDigits_, 1), 2, kMaxLineLength);
}

void TZorvBinHex::ApplyFittedWidths(int width) {
    const int fit = FitChars(width);
    if (options_.textWidthFit) {
        options_.textWidth = fit;
    }
    // A hex line is D + 4W + 5 characters wide, a unicode-hex line D + 6W + 5.
    if (options_.textWidthFitHex) {
        options_.textWidthHex =
            ClampHexWidth(std::clamp((fit - offsetDigits_ - 5) / 4, 2, kMaxLineLength));
    }
    if (options_.textWidthFitUHex) {
        options_.textWidthUHex =
            ClampHexWidth(std::clamp((fit - offsetDigits_ - 5) / 6, 2, kMaxLineLength));
    }
}

std::int64_t TZorvBinHex::LastPageStart() const {
    const std::int64_t lineSize = LineSize();
    std::int64_t p = (document_.Size() / lineSize) * lineSize;
    if (p == document_.Size()) {
        p -= lineSize;
    }
    p -= static_cast<std::int64_t>(linesCount_ - 1) * lineSize;
    return std::max<std::int64_t>(0, p);
}

namespace {

// Digits per cell, and the cell count, of the current hexadecimal mode.
int CellChars(ViewerMode mode) {
    return mode == ViewerMode::UHex ? 5 : 3;
}

} // namespace

int TZorvBinHex::HexBandX() const {
    return LeftMargin() + (offsetDigits_ + 2) * fontWidthDigits_;
}

int TZorvBinHex::HexBandWidth() const {
    const int w =
        options_.mode == ViewerMode::UHex ? options_.textWidthUHex : options_.textWidthHex;
    return (CellChars(options_.mode) * w + 2) * fontWidthDigits_;
}

int TZorvBinHex::HexCellX(int index) const {
    const int w =
        options_.mode == ViewerMode::UHex ? options_.textWidthUHex : options_.textWidthHex;
    const int gap = index >= w / 2 ? 1 : 0;
    return LeftMargin() +
           (offsetDigits_ + 3 + gap + CellChars(options_.mode) * index) * fontWidthDigits_;
}

int TZorvBinHex::HexCellWidth() const {
    return CellChars(options_.mode) * fontWidthDigits_;
}

int TZorvBinHex::HexMiddleLineX() const {
    const int w =
        options_.mode == ViewerMode::UHex ? options_.textWidthUHex : options_.textWidthHex;
    return LeftMargin() +
           (offsetDigits_ + 3 + CellChars(options_.mode) * (w / 2)) * fontWidthDigits_;
}

int TZorvBinHex::HexLastLineX() const {
    const int w =
        options_.mode == ViewerMode::UHex ? options_.textWidthUHex : options_.textWidthHex;
    return LeftMargin() + (offsetDigits_ + 4 + CellChars(options_.mode) * w) * fontWidthDigits_;
}

int TZorvBinHex::HexTextX() const {
    return HexLastLineX() + fontWidthDigits_;
}

} // namespace tavrix
