#include "viewer/HitMap.h"

#include "viewer/LineDrawing.h"

#include <algorithm>

namespace tavrix {

void HitMap::Clear(int charSize) {
    for (HitMapLine& line : drawnLines) {
        line.text.clear();
        line.text.shrink_to_fit();
        line.x = 0;
        line.y = 0;
        line.offset = 0;
    }
    drawnLineCount = 0;
    hexCellCount = 0;
    hexCellWidth = 0;
    textColumnX = 0;
    hexCellX.fill(0);
    this->charSize = charSize;
}

void HitMap::AddLine(const std::wstring& text, int x, int y, std::int64_t offset) {
    if (drawnLineCount >= kMaxLines) {
        return;
    }
    HitMapLine& line = drawnLines[static_cast<std::size_t>(drawnLineCount++)];
    line.text = text;
    line.x = x;
    line.y = y;
    line.offset = offset;
}

void HitMap::SetHexCell(int index, int x, int count, int cellWidth) {
    hexCellCount = std::min(count, kMaxHexCells);
    hexCellWidth = cellWidth;
    if (index >= 0 && index < kMaxHexCells) {
        hexCellX[static_cast<std::size_t>(index)] = x;
    }
}

void HitMap::SetTextColumn(int x) {
    textColumnX = x;
}

std::int64_t HitMap::OffsetAtPoint(Canvas& canvas, int x, int y, const LineOutputOptions& options,
                                   bool strict) const {
    if (drawnLineCount <= 0) {
        return -1;
    }
    const HitMapLine& first = drawnLines[0];
    if (first.y > y) {
        return strict ? -1 : first.offset;
    }
    const int height = FontLineHeight(canvas);
    const HitMapLine* found = nullptr;
    for (int i = 0; i < drawnLineCount; ++i) {
        const HitMapLine& line = drawnLines[static_cast<std::size_t>(i)];
        if (line.y <= y && y < line.y + height) {
            found = &line;
            break;
        }
    }
    if (found == nullptr) {
        const HitMapLine& last = drawnLines[static_cast<std::size_t>(drawnLineCount - 1)];
        return strict ? -1 : last.offset + static_cast<std::int64_t>(last.text.size()) * charSize;
    }
    const HitMapLine& line = *found;
    if (x <= line.x) {
        if (hexCellCount > 0 && textColumnX > 0 && x <= textColumnX) {
            for (int index = hexCellCount - 1; index >= 0; --index) {
                const int cellX = hexCellX[static_cast<std::size_t>(index)];
                if (cellX > 0 && x >= cellX + hexCellWidth / 2) {
                    return line.offset + static_cast<std::int64_t>(index + 1) * charSize;
                }
            }
        }
        return strict ? -1 : line.offset;
    }
    CharExtents extents;
    if (!GetCharExtents(canvas, line.text, extents, options)) {
        return -1;
    }
    // Extents exist for the first kMaxCharExtents characters only; a point right of those counts
    // as right of the line.
    const int count = std::min(static_cast<int>(line.text.size()), kMaxCharExtents);
    for (int i = 1; i <= count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        if (x < line.x + (extents[k - 1] + extents[k]) / 2) {
            return line.offset + static_cast<std::int64_t>(i - 1) * charSize;
        }
    }
    return strict ? -1 : line.offset + static_cast<std::int64_t>(line.text.size()) * charSize;
}

int HitMap::MaxRightEdge(Canvas& canvas, const LineOutputOptions& options) const {
    int edge = 0;
    for (int i = 0; i < drawnLineCount; ++i) {
        const HitMapLine& line = drawnLines[static_cast<std::size_t>(i)];
        edge = std::max(edge, line.x + LineWidth(canvas, line.text, options));
    }
    return edge;
}

} // namespace tavrix
