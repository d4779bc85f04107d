// Where lines and hex cells were drawn, and the lookup from a point to a data offset.
#include "viewer/HitMap.h"
#include "fakes/FixedWidthCanvas.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using testing::FixedWidthCanvas;

class StrPositionsTest : public ::testing::Test {
protected:
    StrPositionsTest() {
        canvas.lineHeight = 16;
        options.monospaced = true;
        options.tabSize = 4;
    }
    std::int64_t At(int x, int y, bool strict = false) {
        return positions.OffsetAtPoint(canvas, x, y, options, strict);
    }
    FixedWidthCanvas canvas; // 8 pixels a character, 16 a line
    LineOutputOptions options;
    HitMap positions;
};

TEST_F(StrPositionsTest, StartsEmptyAndClearForgetsEverything) {
    EXPECT_EQ(positions.charSize, 1);
    EXPECT_EQ(At(50, 5), -1);
    positions.AddLine(L"abc", 10, 0, 100);
    positions.SetHexCell(3, 40, 16, 24);
    positions.SetTextColumn(300);
    positions.Clear(2);
    EXPECT_EQ(positions.drawnLineCount, 0);
    EXPECT_EQ(positions.drawnLines[0].text, L"");
    EXPECT_EQ(positions.drawnLines[0].offset, 0);
    EXPECT_EQ(positions.hexCellX[3], 0);
    EXPECT_EQ(positions.hexCellCount, 0);
    EXPECT_EQ(positions.hexCellWidth, 0);
    EXPECT_EQ(positions.textColumnX, 0);
    EXPECT_EQ(positions.charSize, 2);
    EXPECT_EQ(At(50, 5), -1);
}

TEST_F(StrPositionsTest, KeepsTheFirst150Lines) {
    for (int i = 0; i < 160; ++i) {
        positions.AddLine(L"line" + std::to_wstring(i), 0, i * 16, i * 10);
    }
    EXPECT_EQ(positions.drawnLineCount, 150);
    EXPECT_EQ(positions.drawnLines[149].text, L"line149");
    EXPECT_EQ(positions.drawnLines[149].offset, 1490);
    // Below the last stored line: just after its text.
    EXPECT_EQ(At(5, 151 * 16), 1490 + 7);
}

TEST_F(StrPositionsTest, HexCellsCapCountAndIgnoreIndexesOutside) {
    positions.SetHexCell(64, 999, 80, 24);
    EXPECT_EQ(positions.hexCellCount, 64);
    EXPECT_EQ(positions.hexCellWidth, 24);
    EXPECT_TRUE(std::all_of(positions.hexCellX.begin(), positions.hexCellX.end(),
                            [](int x) { return x == 0; }));
    positions.SetHexCell(-1, 999, 8, 40);
    EXPECT_EQ(positions.hexCellCount, 8);
    positions.SetHexCell(63, 555, 64, 24);
    EXPECT_EQ(positions.hexCellX[63], 555);
}

TEST_F(StrPositionsTest, TextLinesAboveBelowLeftAndInside) {
    positions.AddLine(L"hello", 10, 20, 1000);
    positions.AddLine(L"w\tx", 10, 36, 1005);
    // Above the first line.
    EXPECT_EQ(At(30, 19), 1000);
    EXPECT_EQ(At(30, 19, true), -1);
    // Below the last line.
    EXPECT_EQ(At(30, 52), 1008);
    EXPECT_EQ(At(30, 52, true), -1);
    // On or left of the line's x.
    EXPECT_EQ(At(10, 25), 1000);
    EXPECT_EQ(At(10, 25, true), -1);
    EXPECT_EQ(At(-40, 40), 1005);
    // Left half of a character: its offset; right half: the next one.
    EXPECT_EQ(At(11, 20), 1000);
    EXPECT_EQ(At(13, 20), 1000);
    EXPECT_EQ(At(14, 20), 1001);
    EXPECT_EQ(At(10 + 8 * 4 + 3, 35), 1004);
    // Right of the text.
    EXPECT_EQ(At(10 + 8 * 5 - 4, 20), 1005);
    EXPECT_EQ(At(10 + 8 * 5 - 4, 20, true), -1);
    // A tab is as wide as it is drawn: "w" then a tab of 3 cells (8..32), then "x".
    EXPECT_EQ(At(10 + 19, 40), 1006);
    EXPECT_EQ(At(10 + 20, 40), 1007);
    EXPECT_EQ(At(10 + 35, 40), 1007);
    EXPECT_EQ(At(10 + 36, 40, true), -1);
}

TEST_F(StrPositionsTest, UnmeasurableLineGivesMinusOne) {
    positions.AddLine(L"abc", 0, 0, 7);
    canvas.measureFails = true;
    EXPECT_EQ(At(5, 5), -1);
    EXPECT_EQ(At(0, 5), 7); // left of the line needs no measurement
}

// Extents exist for 2048 characters; a point further right on a longer line must not read past
// them.
TEST_F(StrPositionsTest, LinesLongerThanTheExtentsEndAfterTheMeasuredPart) {
    positions.AddLine(std::wstring(3000, L'x'), 0, 0, 0);
    EXPECT_EQ(At(2047 * 8 + 3, 0), 2047);
    EXPECT_EQ(At(2600 * 8, 0), 3000);
    EXPECT_EQ(At(2600 * 8, 0, true), -1);
}

TEST_F(StrPositionsTest, UnicodeTextLinesStepByTwo) {
    positions.Clear(2);
    positions.AddLine(L"abcd", 0, 0, 200);
    EXPECT_EQ(At(11, 0), 202);
    EXPECT_EQ(At(13, 0), 204);
    EXPECT_EQ(At(100, 0), 208);
}

// A hex row: cells of 3 digit widths after the offset column, then the text column.
class HexRowTest : public StrPositionsTest {
protected:
    void Row(int cells, int cellWidth, int charSize) {
        positions.Clear(charSize);
        int x = 80;
        for (int j = 0; j < cells; ++j) {
            positions.SetHexCell(j, x, cells, cellWidth);
            x += cellWidth;
        }
        positions.SetTextColumn(x + 8);
        positions.AddLine(std::wstring(static_cast<std::size_t>(cells), L'.'), x + 16, 0, 4096);
        textX = x + 16;
    }
    int textX = 0;
};

TEST_F(HexRowTest, ByteRowsByCellMiddles) {
    Row(16, 24, 1);                            // cells at 80, 104, ...; text column from 480
    EXPECT_EQ(At(85, 5), 4096);                // left of the middle of cell 0
    EXPECT_EQ(At(85, 5, true), -1);            // strict: no cell
    EXPECT_EQ(At(92, 5), 4097);                // middle of cell 0
    EXPECT_EQ(At(104 + 13, 5), 4098);          // right of the middle of cell 1
    EXPECT_EQ(At(80 + 15 * 24 + 12, 5), 4112); // middle of the last cell: after the row
    EXPECT_EQ(At(30, 5), 4096);                // on the offset column
    EXPECT_EQ(At(textX + 1, 5), 4096);         // the text column's first character
    EXPECT_EQ(At(textX + 8 * 3 + 5, 5), 4100);
}

TEST_F(HexRowTest, UnicodeRowsStepByTwo) {
    Row(8, 40, 2);
    EXPECT_EQ(At(80 + 19, 5), 4096);
    EXPECT_EQ(At(80 + 20, 5), 4098);
    EXPECT_EQ(At(80 + 7 * 40 + 25, 5), 4112);
    EXPECT_EQ(At(textX + 5, 5), 4098);
}

TEST_F(HexRowTest, HexLookupNeedsATextColumn) {
    Row(16, 24, 1);
    positions.SetTextColumn(0);
    EXPECT_EQ(At(200, 5), 4096);
    EXPECT_EQ(At(200, 5, true), -1);
}

TEST_F(StrPositionsTest, MaxRightEdgeOfTheWidestLine) {
    EXPECT_EQ(positions.MaxRightEdge(canvas, options), 0);
    positions.AddLine(L"ab", -50, 0, 0); // scrolled left out of view
    EXPECT_EQ(positions.MaxRightEdge(canvas, options), 0);
    positions.AddLine(L"abc\t", 10, 16, 0); // the tab takes one cell, to the stop at 5
    positions.AddLine(L"abcd", 2, 32, 0);
    EXPECT_EQ(positions.MaxRightEdge(canvas, options), 10 + 4 * 8);
    options.showNonPrintable = true;
    options.showLineEnd = true;
    EXPECT_EQ(positions.MaxRightEdge(canvas, options), 10 + 5 * 8);
}

} // namespace
} // namespace tavrix
