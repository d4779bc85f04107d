#include "viewer/StrPositions.h"

#include "viewer/LineDrawing.h"

#include <algorithm>

namespace tavrix {

void TStrPositions::Clear(int charSize) {
    for (TStrPosRecord& line : DrawnLines) {
        line.Text.clear();
        line.Text.shrink_to_fit();
        line.X = 0;
        line.Y = 0;
        line.Offset = 0;
    }
    DrawnLineCount = 0;
    HexCellCount = 0;
    HexCellWidth = 0;
    TextColumnX = 0;
    HexCellX.fill(0);
    CharSize = charSize;
}

void TStrPositions::AddLine(const std::wstring& text, int x, int y, std::int64_t offset) {
    if (DrawnLineCount >= kMaxLines) {
        return;
    }
    TStrPosRecord& line = DrawnLines[static_cast<std::size_t>(DrawnLineCount++)];
    line.Text = text;
    line.X = x;
    line.Y = y;
    line.Offset = offset;
}

void TStrPositions::SetHexCell(int index, int x, int count, int cellWidth) {
    HexCellCount = std::min(count, kMaxHexCells);
    HexCellWidth = cellWidth;
    if (index >= 0 && index < kMaxHexCells) {
        HexCellX[static_cast<std::size_t>(index)] = x;
    }
}

void TStrPositions::SetTextColumn(int x) {
    TextColumnX = x;
}

std::int64_t TStrPositions::OffsetAtPoint(Canvas& canvas, int x, int y,
                                          const TZorvBinHexOutputOptions& options,
                                          bool strict) const {
    if (DrawnLineCount <= 0) {
        return -1;
    }
    const TStrPosRecord& first = DrawnLines[0];
    if (first.Y > y) {
        return strict ? -1 : first.Offset;
    }
    const int height = FontLineHeight(canvas);
    const TStrPosRecord* found = nullptr;
    for (int i = 0; i < DrawnLineCount; ++i) {
        const TStrPosRecord& line = DrawnLines[static_cast<std::size_t>(i)];
        if (line.Y <= y && y < line.Y + height) {
            found = &line;
            break;
        }
    }
    if (found == nullptr) {
        const TStrPosRecord& last = DrawnLines[static_cast<std::size_t>(DrawnLineCount - 1)];
        return strict ? -1 : last.Offset + static_cast<std::int64_t>(last.Text.size()) * CharSize;
    }
    const TStrPosRecord& line = *found;
    if (x <= line.X) {
        if (HexCellCount > 0 && TextColumnX > 0 && x <= TextColumnX) {
            for (int index = HexCellCount - 1; index >= 0; --index) {
                const int cellX = HexCellX[static_cast<std::size_t>(index)];
                if (cellX > 0 && x >= cellX + HexCellWidth / 2) {
                    return line.Offset + static_cast<std::int64_t>(index + 1) * CharSize;
                }
            }
        }
        return strict ? -1 : line.Offset;
    }
    TCharExtents extents;
    if (!GetCharExtents(canvas, line.Text, extents, options)) {
        return -1;
    }
    // Extents exist for the first kMaxCharExtents characters only; a point right of those counts
    // as right of the line.
    const int count = std::min(static_cast<int>(line.Text.size()), kMaxCharExtents);
    for (int i = 1; i <= count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        if (x < line.X + (extents[k - 1] + extents[k]) / 2) {
            return line.Offset + static_cast<std::int64_t>(i - 1) * CharSize;
        }
    }
    return strict ? -1 : line.Offset + static_cast<std::int64_t>(line.Text.size()) * CharSize;
}

int TStrPositions::MaxRightEdge(Canvas& canvas, const TZorvBinHexOutputOptions& options) const {
    int edge = 0;
    for (int i = 0; i < DrawnLineCount; ++i) {
        const TStrPosRecord& line = DrawnLines[static_cast<std::size_t>(i)];
        edge = std::max(edge, line.X + LineWidth(canvas, line.Text, options));
    }
    return edge;
}

} // namespace tavrix
