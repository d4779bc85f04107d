// The screens of ViewerMode::Binary, ViewerMode::Hex and ViewerMode::UHex: fixed slices of the
// source per line.
#include "viewer/LineDrawing.h"
#include "viewer/ZorvBinHex.h"

#include <algorithm>

namespace tavrix {

namespace {

std::wstring OffsetText(std::int64_t value, int digits) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text(static_cast<std::size_t>(digits), L'0');
    auto u = static_cast<std::uint64_t>(value);
    for (int i = digits - 1; i >= 0 && u != 0; --i, u >>= 4) {
        text[static_cast<std::size_t>(i)] = kDigits[u & 0x0F];
    }
    return text + L":";
}

} // namespace

void TZorvBinHex::DrawBinaryScreen(Canvas& canvas) {
    const int w = options_.textWidth;
    const int x = LeftMargin() - hViewPos_;
    const int rows = std::min(linesCount_ + 1, kMaxScreenLines);
    const LineOutputOptions options = OutputOptions();
    for (int i = 0; i < rows; ++i) {
        const std::int64_t linePos = viewPos_ + static_cast<std::int64_t>(i) * w;
        if (linePos >= document_.Size()) {
            break;
        }
        const int y = i * fontHeight_;
        std::wstring raw;
        for (std::int64_t p = linePos; p < linePos + w && p < document_.Size(); ++p) {
            raw.push_back(static_cast<wchar_t>(GetChar(p)));
        }
        const std::wstring text = DecodeLine(raw);
        DrawLine(canvas, x, y, options, text);
        InvertSelection(canvas, text, x, y, linePos, false);
        positions_.AddLine(text, x, y, linePos);
    }
    DrawGutterBand(canvas, canvas.Height(), false);
    viewAtEnd_ = viewPos_ >= document_.Size() - static_cast<std::int64_t>(linesCount_) * w;
}

void TZorvBinHex::DrawHexScreen(Canvas& canvas, bool unicode) {
    const int w = unicode ? options_.textWidthUHex : options_.textWidthHex;
    const std::int64_t unitSize = unicode ? 2 : 1;
    const std::int64_t lineBytes = w * unitSize;
    const int cw = fontWidthDigits_;
    const int cellWidth = HexCellWidth();
    const int rows = std::min(linesCount_ + 1, kMaxScreenLines);
    const LineOutputOptions options = OutputOptions();
    const int shift = -hViewPos_;

    for (int i = 0; i < rows; ++i) {
        const std::int64_t linePos = viewPos_ + i * lineBytes;
        if (linePos >= document_.Size()) {
            break;
        }
        const int y = i * fontHeight_;

        // Offset column.
        canvas.SetTextColor(colors_.text);
        canvas.SetBrushColor(colors_.background);
        DrawLine(canvas, LeftMargin() + shift, y, options, OffsetText(linePos, offsetDigits_));

        // Band behind the cells.
        canvas.SetBrushColor(colors_.band);
        const int bandX = HexBandX() + shift;
        canvas.FillRect({bandX, y, bandX + HexBandWidth(), y + fontHeight_ + 1});

        // Cells, alternating colours in pairs, with a wider gap in the middle.
        int x = HexCellX(0) + shift;
        std::wstring raw;
        for (int j = 0; j < w; ++j) {
            const std::int64_t cellPos = linePos + j * unitSize;
            if (cellPos + unitSize - 1 >= document_.Size()) {
                break;
            }
            canvas.SetTextColor(j % 4 >= 2 ? colors_.hex2 : colors_.hex);
            const std::wstring cell = document_.HexAt(cellPos);
            DrawLine(canvas, x, y, options, cell);
            InvertSelection(canvas, cell, x, y, cellPos, true);
            positions_.SetHexCell(j, x, w, cellWidth);
            raw.push_back(static_cast<wchar_t>(GetChar(cellPos)));
            x += cellWidth;
            if (j == w / 2 - 1) {
                x += cw;
            }
        }

        // Text column.
        positions_.SetTextColumn(HexLastLineX() + shift);
        canvas.SetTextColor(colors_.text);
        canvas.SetBrushColor(colors_.background);
        const std::wstring text = DecodeLine(raw);
        const int textX = HexTextX() + shift;
        DrawLine(canvas, textX, y, options, text);
        InvertSelection(canvas, text, textX, y, linePos, false);
        positions_.AddLine(text, textX, y, linePos);

        // Separator lines.
        canvas.SetPen(colors_.lines, 2);
        for (const int lineX : {HexBandX(), HexMiddleLineX(), HexLastLineX()}) {
            canvas.Line(lineX + shift, y, lineX + shift, y + fontHeight_);
        }
    }
    DrawGutterBand(canvas, canvas.Height(), false);
    viewAtEnd_ = viewPos_ >= document_.Size() - static_cast<std::int64_t>(linesCount_) * lineBytes;
}

} // namespace tavrix
