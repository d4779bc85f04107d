// The screens of ViewerMode::Binary, ViewerMode::Hex and ViewerMode::UHex over the fixed-width
// canvas (8 pixels per character, 16 per line): exact columns, colours, separator lines, selection
// and geometry.
#include "ViewerTestKit.h"

#include <algorithm>

namespace tavrix::testing {
namespace {

using Op = FixedWidthCanvas::Op;

class BinHexScreensTest : public ViewerFixture {
protected:
    std::vector<std::uint8_t> Counting(int n) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(0x30 + i);
        }
        return bytes;
    }
    // Text calls of two characters, in drawing order.
    std::vector<FixedWidthCanvas::Call> Cells(std::size_t length = 2) const {
        std::vector<FixedWidthCanvas::Call> cells;
        for (const auto& call : Texts()) {
            if (call.text.size() == length && call.rect.left > 80) {
                cells.push_back(call);
            }
        }
        return cells;
    }
};

TEST_F(BinHexScreensTest, SixteenByteHexLineHasOffsetCellsGapAndTextColumn) {
    Show(Counting(16), ViewerMode::Hex);
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 1u + 16u + 1u);
    EXPECT_EQ(texts[0].text, L"00000000:");
    EXPECT_EQ(texts[0].rect.left, 2);
    EXPECT_EQ(texts[0].rect.top, 0);

    for (int j = 0; j < 16; ++j) {
        const auto& cell = texts[static_cast<std::size_t>(1 + j)];
        EXPECT_EQ(cell.text, viewer.Document().HexAt(j));
        // Cells are three digits wide, with one more after the eighth.
        EXPECT_EQ(cell.rect.left, (j < 8 ? 90 : 98) + 24 * j) << j;
        EXPECT_EQ(cell.brushColor, viewer.Options().textColorHexBack);
    }
    EXPECT_EQ(texts[1].text, L"30");
    EXPECT_EQ(texts.back().text, L"0123456789:;<=>?");
    EXPECT_EQ(texts.back().rect.left, 490);
    EXPECT_EQ(texts.back().brushColor, kColorWindow);
    // The whole line is D + 4W + 5 = 77 characters from the margin.
    EXPECT_EQ(texts.back().rect.right, 2 + 77 * 8);
    EXPECT_EQ(probe.MaxLineRight(), 2 + 77 * 8);

    const auto fills = CallsOf(Op::Fill);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[1].rect, (Rect{82, 0, 82 + 50 * 8, 17}));
    EXPECT_EQ(fills[1].brushColor, viewer.Options().textColorHexBack);

    const auto lines = CallsOf(Op::Line);
    ASSERT_EQ(lines.size(), 3u);
    const int xs[] = {82, 282, 482};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(lines[static_cast<std::size_t>(k)].rect, (Rect{xs[k], 0, xs[k], 16}));
        EXPECT_EQ(lines[static_cast<std::size_t>(k)].penColor, 0x808080u);
        EXPECT_EQ(lines[static_cast<std::size_t>(k)].penWidth, 2);
    }

    // What the drawing recorded for hit-testing.
    const HitMap& positions = probe.Positions();
    EXPECT_EQ(positions.hexCellCount, 16);
    EXPECT_EQ(positions.hexCellWidth, 24);
    EXPECT_EQ(positions.hexCellX[8], 290);
    EXPECT_EQ(positions.textColumnX, 482);
    ASSERT_EQ(positions.drawnLineCount, 1);
    EXPECT_EQ(positions.drawnLines[0].x, 490);
}

TEST_F(BinHexScreensTest, CellColoursAlternateInPairs) {
    Show(Counting(16), ViewerMode::Hex);
    const auto cells = Cells();
    ASSERT_EQ(cells.size(), 16u);
    for (std::size_t j = 0; j < cells.size(); ++j) {
        const Color expected = (j % 4 == 2 || j % 4 == 3) ? 0xFF0000u : 0x800000u;
        EXPECT_EQ(cells[j].textColor, expected) << j;
    }
}

TEST_F(BinHexScreensTest, DisabledControlDrawsEverythingInGreyOnTheNormalBackgrounds) {
    Show(Counting(20), ViewerMode::Hex);
    viewer.SetEnabled(false);
    surface.canvas.calls.clear();
    viewer.Redraw();
    for (const auto& call : Texts()) {
        EXPECT_EQ(call.textColor, kColorGrayText)
            << std::string(call.text.begin(), call.text.end());
    }
    for (const auto& call : CallsOf(Op::Line)) {
        EXPECT_EQ(call.penColor, kColorGrayText);
    }
    const auto fills = CallsOf(Op::Fill);
    EXPECT_EQ(fills[0].brushColor, kColorWindow);
    EXPECT_EQ(fills[1].brushColor, viewer.Options().textColorHexBack);
}

TEST_F(BinHexScreensTest, OneSelectedByteInvertsItsCellAndItsCharacter) {
    Show(Counting(16), ViewerMode::Hex);
    probe.SetSelectionRaw(5, 1);
    Redraw();
    const auto inverts = CallsOf(Op::Invert);
    ASSERT_EQ(inverts.size(), 2u);
    EXPECT_EQ(inverts[0].rect, (Rect{210, 0, 226, 16}));
    EXPECT_EQ(inverts[1].rect, (Rect{530, 0, 538, 16}));

    probe.SetSelectionRaw(5, 0);
    Redraw();
    EXPECT_TRUE(CallsOf(Op::Invert).empty());
}

TEST_F(BinHexScreensTest, ShortLastLineKeepsTheFullBandAndSeparators) {
    surface.height = 3 * 16 + 2;
    Show(Counting(20), ViewerMode::Hex);
    const auto texts = TextsAt(2);
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"00000000:", L"00000010:"}));
    const auto fills = CallsOf(Op::Fill);
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[2].rect, (Rect{82, 16, 482, 33}));
    EXPECT_EQ(CallsOf(Op::Line).size(), 6u);
    EXPECT_EQ(Cells().size(), 20u);
    EXPECT_TRUE(probe.ViewAtEnd());
}

TEST_F(BinHexScreensTest, UnicodeHexCellsAreFourDigitsOfTheLittleEndianValue) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 8; ++i) {
        bytes.push_back(static_cast<std::uint8_t>('a' + i));
        bytes.push_back(0x04);
    }
    Show(bytes, ViewerMode::UHex);
    const auto cells = Cells(4);
    ASSERT_EQ(cells.size(), 8u);
    EXPECT_EQ(cells[0].text, L"0461");
    EXPECT_EQ(cells[0].rect.left, 90);
    EXPECT_EQ(cells[3].rect.left, 90 + 3 * 40);
    EXPECT_EQ(cells[4].rect.left, 98 + 4 * 40);
    EXPECT_EQ(cells[2].textColor, 0xFF0000u);
    const auto lines = CallsOf(Op::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].rect.left, 250);
    EXPECT_EQ(lines[2].rect.left, 418);
    EXPECT_EQ(Texts().back().text, L"\u0461\u0462\u0463\u0464\u0465\u0466\u0467\u0468");
    EXPECT_EQ(Texts().back().rect.left, 426);
    EXPECT_EQ(probe.Positions().hexCellWidth, 40);
    EXPECT_EQ(probe.Positions().charSize, 2);
}

TEST_F(BinHexScreensTest, BinaryLinesAreTextWidthCharacters) {
    viewer.SetOption(&BinHexOptions::textWidth, 10);
    Show(std::string("abcdefghij\tlmnopqrstuvwxy"), ViewerMode::Binary);
    EXPECT_EQ(TextsAt(2), (std::vector<std::wstring>{L"abcdefghij", L".lmnopqrst", L"uvwxy"}));
    EXPECT_EQ(probe.LineSize(), 10);
    EXPECT_TRUE(probe.ViewAtEnd());
    EXPECT_EQ(probe.ViewPageSize(), 100);
}

TEST_F(BinHexScreensTest, HexScrolledRightShiftsEveryColumn) {
    Show(Counting(16), ViewerMode::Hex);
    probe.SetHViewPosRaw(50);
    Redraw();
    EXPECT_EQ(Texts()[0].rect.left, 2 - 50);
    EXPECT_EQ(Texts()[1].rect.left, 90 - 50);
    EXPECT_EQ(probe.Positions().textColumnX, 482 - 50);
    EXPECT_EQ(CallsOf(Op::Line)[0].rect.left, 82 - 50);
}

TEST_F(BinHexScreensTest, GutterBandIsDrawnAgainOverScrolledText) {
    viewer.SetOption(&BinHexOptions::textGutter, true);
    Show(Counting(16), ViewerMode::Hex);
    const auto fills = CallsOf(Op::Fill);
    ASSERT_GE(fills.size(), 3u);
    EXPECT_EQ(fills[1].rect, (Rect{0, 0, 10, surface.height}));
    EXPECT_EQ(fills.back().rect, (Rect{0, 0, 10, surface.height}));
    EXPECT_EQ(fills.back().brushColor, viewer.Options().textColorGutter);
    EXPECT_EQ(Texts()[0].rect.left, 12); // the margin moved right of the gutter
}

TEST_F(BinHexScreensTest, GeometryLastPageStartAndFittedWidths) {
    surface.height = 3 * 16 + 2;
    Show(Counting(100), ViewerMode::Hex);
    EXPECT_EQ(probe.LinesCount(), 3);
    EXPECT_EQ(probe.LastPageStart(), 64);
    Show(Counting(96), ViewerMode::Hex);
    EXPECT_EQ(probe.LastPageStart(), 48);
    Show(Counting(10), ViewerMode::Hex);
    EXPECT_EQ(probe.LastPageStart(), 0);

    // (798 / 8 - 8 - 5) / 4 = 21 cells, rounded down to 20.
    surface.width = 800;
    viewer.SetOption(&BinHexOptions::textWidthFitHex, true);
    viewer.SetOption(&BinHexOptions::textWidthFitUHex, true);
    viewer.SetOption(&BinHexOptions::textWidthFit, true);
    Redraw();
    EXPECT_EQ(viewer.Options().textWidthHex, 20);
    EXPECT_EQ(viewer.Options().textWidthUHex, 12); // (99 - 13) / 6 = 14, rounded down to 12
    EXPECT_EQ(viewer.Options().textWidth, 99);

    // A surface shorter than a line has no full line; 150 is the most.
    surface.height = 10;
    Redraw();
    EXPECT_EQ(probe.LinesCount(), 0);
    surface.height = 10000;
    Redraw();
    EXPECT_EQ(probe.LinesCount(), 150);
}

TEST_F(BinHexScreensTest, SixteenToTheEighthBytesGetATenDigitOffsetColumn) {
    VirtualStream huge(0x100000000LL, [](std::int64_t p) { return static_cast<std::uint8_t>(p); });
    viewer.OpenStream(&huge, false);
    viewer.SetMode(ViewerMode::Hex);
    EXPECT_EQ(TextsAt(2)[0], L"0000000000:");
    // The cells move right by the two extra digits.
    EXPECT_EQ(Texts()[1].rect.left, 2 + 13 * 8);

    probe.ReadBuffer(0xFFFFFFF0LL);
    probe.SetViewPosRaw(0xFFFFFFF0LL);
    Redraw();
    EXPECT_EQ(TextsAt(2), std::vector<std::wstring>{L"00FFFFFFF0:"});
    EXPECT_EQ(Cells().size(), 16u);
    EXPECT_EQ(Cells().back().text, L"FF");
}

TEST_F(BinHexScreensTest, VerticalScrollBarScalesToTheSourceSize) {
    surface.height = 3 * 16 + 2;
    Show(Counting(100), ViewerMode::Hex);
    // 100 / 16 = 6 lines, raised to the minimum of 4 steps; a page of 48 bytes.
    EXPECT_EQ(surface.vert, (ScrollBarState{0, 6, 2, 0}));
    EXPECT_EQ(surface.horz.max, 640);
    EXPECT_EQ(surface.horz.page, 641);
    Show(Counting(16), ViewerMode::Hex);
    EXPECT_EQ(surface.vert, (ScrollBarState{0, 4, 5, 0})); // a page covering all: max + 1
}

} // namespace
} // namespace tavrix::testing
