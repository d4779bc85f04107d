#pragma once
// Where the last full drawing of the viewer put its lines and hexadecimal cells, and the lookup
// from a point back to a data offset.
#include "viewer/Canvas.h"
#include "viewer/LineOutputOptions.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrix {

struct HitMapLine {
    std::wstring text; // the line's source text, before marks and tabs
    int x = 0;         // top left of the line's first character
    int y = 0;
    std::int64_t offset = 0; // data offset of the line's first character
};

class HitMap {
public:
    static constexpr int kMaxLines = 150;
    static constexpr int kMaxHexCells = 64;

    HitMap() = default;
    ~HitMap() { Clear(1); }

    // Forgets everything drawn; charSize is the bytes per character of the shown data (1 or 2).
    void Clear(int charSize);
    // Ignored once kMaxLines lines are stored.
    void AddLine(const std::wstring& text, int x, int y, std::int64_t offset);
    // Cell count is capped at kMaxHexCells; an index outside 0..63 records no x.
    void SetHexCell(int index, int x, int count, int cellWidth);
    void SetTextColumn(int x);

    // Data offset under (x, y), or -1. Strict lookups give -1 for points outside every line
    // instead of the nearest offset.
    std::int64_t OffsetAtPoint(Canvas& canvas, int x, int y, const LineOutputOptions& options,
                               bool strict) const;
    // Right edge of the widest stored line, at least 0.
    int MaxRightEdge(Canvas& canvas, const LineOutputOptions& options) const;

    int drawnLineCount = 0;
    std::array<HitMapLine, kMaxLines> drawnLines; // DrawnLines[0] is the first line
    std::array<int, kMaxHexCells> hexCellX{};
    int hexCellCount = 0;
    int hexCellWidth = 0;
    int textColumnX = 0;
    int charSize = 1;
};

} // namespace tavrix
