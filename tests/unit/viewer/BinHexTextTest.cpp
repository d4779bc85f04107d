// The text modes: line starts forwards and backwards, view moves, the screen loop with cut and
// wrapped lines, line-end marks, the gutter with its numbers and dots, the line-number table and
// boundary searches.
#include "ViewerTestKit.h"

#include "viewer/LineDrawing.h"

namespace tavrix::testing {
namespace {

using Op = FixedWidthCanvas::Op;

class BinHexTextTest : public ViewerFixture {
protected:
    static constexpr const char* kTenChars = "AB\r\nCD\r\nEF";

    // Texts drawn with the gutter font, in order.
    std::vector<std::wstring> GutterNumbers() const {
        std::vector<std::wstring> numbers;
        for (const auto& call : Texts()) {
            if (call.font == viewer.Options().fontGutter) {
                numbers.push_back(call.text);
            }
        }
        return numbers;
    }
};

TEST_F(BinHexTextTest, LineStartsOfTheTenCharacterSource) {
    Show(kTenChars, ViewerMode::Text);
    EXPECT_EQ(TextsAt(2), (std::vector<std::wstring>{L"AB", L"CD", L"EF"}));
    EXPECT_EQ(probe.NextLinePos(ScanDir::Forward, false, 0), 4);
    EXPECT_EQ(probe.NextLinePos(ScanDir::Forward, false, 4), 8);
    EXPECT_EQ(probe.NextLinePos(ScanDir::Forward, false, 8), -1);
    EXPECT_EQ(probe.NextLinePos(ScanDir::Backward, false, 8), 4);
    EXPECT_EQ(probe.NextLinePos(ScanDir::Backward, false, 4), 0);
    EXPECT_EQ(probe.NextLinePos(ScanDir::Backward, false, 0), -1);
    // From inside a line or from its break, backwards with to-line-start gives its own start.
    EXPECT_EQ(probe.NextLinePos(ScanDir::Backward, true, 5), 4);
    EXPECT_EQ(probe.NextLinePos(ScanDir::Backward, true, 4), 4);
    EXPECT_EQ(probe.NextLinePos(ScanDir::Backward, true, 7), 4);
    EXPECT_EQ(probe.NextLinePos(ScanDir::Backward, true, 6), 4);

    probe.MoveViewByLines(1, ScanDir::Forward, false, 0, true);
    EXPECT_EQ(probe.ViewPos(), 4);
    probe.MoveViewByLines(1, ScanDir::Backward, false, 8, true);
    EXPECT_EQ(probe.ViewPos(), 4);
    probe.MoveViewByLines(1, ScanDir::Backward, false, 0, true);
    EXPECT_EQ(probe.ViewPos(), 0);
    // Past the last line the view stops at the start of the last line.
    probe.MoveViewByLines(5, ScanDir::Forward, false, 0, true);
    EXPECT_EQ(probe.ViewPos(), 8);
}

TEST_F(BinHexTextTest, GoingToTheEndInATwoRowWindowShowsTheLastTwoLines) {
    surface.height = 2 * 16 + 2;
    Show(kTenChars, ViewerMode::Text);
    EXPECT_FALSE(probe.ViewAtEnd());
    surface.canvas.calls.clear();
    probe.MoveViewByLines(probe.LinesCount(), ScanDir::Backward, false, viewer.FileSize(), true);
    EXPECT_EQ(probe.ViewPos(), 4);
    EXPECT_EQ(TextsAt(2), (std::vector<std::wstring>{L"CD", L"EF"}));
    EXPECT_TRUE(probe.ViewAtEnd());
    EXPECT_EQ(probe.ViewPageSize(), 6);
}

TEST_F(BinHexTextTest, GutterNumbersEveryLineWithStepOne) {
    viewer.SetOption(&BinHexOptions::textGutter, true);
    viewer.SetOption(&BinHexOptions::textGutterLinesStep, 1);
    Show(kTenChars, ViewerMode::Text);
    EXPECT_EQ(viewer.Document().LineCount(), 2);
    EXPECT_EQ(viewer.Document().LineStarts()[0], 4);
    EXPECT_EQ(viewer.Document().LineStarts()[1], 8);
    EXPECT_EQ(GutterNumbers(), (std::vector<std::wstring>{L"1", L"2", L"3"}));
    // Right-aligned two pixels left of the gutter's edge, vertically centred in the row.
    const auto texts = Texts();
    const auto three = std::find_if(texts.begin(), texts.end(),
                                    [](const auto& call) { return call.text == L"3"; });
    ASSERT_NE(three, texts.end());
    EXPECT_EQ(three->rect.left, probe.GutterWidth() - 2 - 8);
    EXPECT_EQ(three->rect.top, 32 + (16 - 15) / 2);
    EXPECT_EQ(TextsAt(probe.LeftMargin()), (std::vector<std::wstring>{L"AB", L"CD", L"EF"}));
    EXPECT_TRUE(CallsOf(Op::Ellipse).empty());

    // With the default step of 5 the first lines get dots.
    viewer.SetOption(&BinHexOptions::textGutterLinesStep, 5);
    Redraw();
    EXPECT_TRUE(GutterNumbers().empty());
    const auto dots = CallsOf(Op::Ellipse);
    ASSERT_EQ(dots.size(), 3u);
    EXPECT_EQ(dots[1].rect, (Rect{5 - 3, 16 + 8 - 3, 5 + 3, 16 + 8 + 3}));
    EXPECT_EQ(dots[1].penWidth, 1);
}

TEST_F(BinHexTextTest, AFinalLineBreakAddsNoEmptyLine) {
    viewer.SetOption(&BinHexOptions::textGutter, true);
    viewer.SetOption(&BinHexOptions::textGutterLinesStep, 1);
    Show(std::string(kTenChars) + "\r\n", ViewerMode::Text);
    EXPECT_EQ(probe.NextLinePos(ScanDir::Forward, false, 8), -1);
    EXPECT_EQ(TextsAt(probe.LeftMargin()), (std::vector<std::wstring>{L"AB", L"CD", L"EF"}));
    EXPECT_EQ(GutterNumbers().size(), 3u);
    probe.MoveViewByLines(1, ScanDir::Backward, false, viewer.FileSize(), false);
    EXPECT_EQ(probe.ViewPos(), 8);
}

TEST_F(BinHexTextTest, MovesLongerThanAScreenStayWithinTheBuffer) {
    // 1000 lines of 299 characters: moving 400 lines needs more than one buffer's reach.
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        text += std::string(299, static_cast<char>('a' + i % 26)) + "\n";
    }
    Show(text, ViewerMode::Text);
    probe.MoveViewByLines(400, ScanDir::Forward, false, 0, false);
    EXPECT_EQ(probe.ViewPos(), 400 * 300);
    surface.canvas.calls.clear();
    probe.MoveViewByLines(390, ScanDir::Backward, false, probe.ViewPos(), true);
    EXPECT_EQ(probe.ViewPos(), 10 * 300);
    EXPECT_EQ(TextsAt(2).front(), std::wstring(299, L'k'));
}

TEST_F(BinHexTextTest, LoneCrLoneLfAndLfCrEndLines) {
    Show("A\rB", ViewerMode::Text);
    EXPECT_EQ(TextsAt(2), (std::vector<std::wstring>{L"A", L"B"}));
    Show("A\nB", ViewerMode::Text);
    EXPECT_EQ(TextsAt(2), (std::vector<std::wstring>{L"A", L"B"}));
    Show("A\n\rB", ViewerMode::Text);
    EXPECT_EQ(TextsAt(2), (std::vector<std::wstring>{L"A", L"", L"B"}));
    EXPECT_EQ(probe.NextLinePos(ScanDir::Backward, false, 3), 2);
    EXPECT_EQ(probe.NextLinePos(ScanDir::Backward, false, 2), 0);
}

TEST_F(BinHexTextTest, LongSourceLineIsCutEveryThreeHundredCharacters) {
    viewer.SetOption(&BinHexOptions::textGutter, true);
    viewer.SetOption(&BinHexOptions::textGutterLinesStep, 1);
    Show(std::string(700, 'x') + "\nz", ViewerMode::Text);
    const auto lines = TextsAt(probe.LeftMargin());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].size(), 300u);
    EXPECT_EQ(lines[1].size(), 300u);
    EXPECT_EQ(lines[2].size(), 100u);
    EXPECT_EQ(lines[3], L"z");
    // Only lines that start a source line get a number; continuations get neither number nor dot.
    EXPECT_EQ(GutterNumbers(), (std::vector<std::wstring>{L"1", L"2"}));
    EXPECT_TRUE(CallsOf(Op::Ellipse).empty());
    EXPECT_EQ(probe.Positions().drawnLines[1].offset, 300);
    EXPECT_EQ(probe.Positions().drawnLines[3].offset, 701);
}

TEST_F(BinHexTextTest, WrappingBreaksAfterTheLastBlankThatFitsAndCutsLongWords) {
    surface.width = 2 + 10 * 8; // ten characters
    viewer.SetOption(&BinHexOptions::textWrap, true);
    Show("aaaa bbbb cccc abcdefghijklmnop", ViewerMode::Text);
    EXPECT_EQ(TextsAt(2),
              (std::vector<std::wstring>{L"aaaa bbbb", L"cccc", L"abcdefghij", L"klmnop"}));
    EXPECT_EQ(probe.Positions().drawnLines[1].offset, 10);
    EXPECT_EQ(probe.Positions().drawnLines[2].offset, 15);
    EXPECT_EQ(surface.horz, ScrollBarState{}); // no horizontal bar while wrapping

    // The view moves by wrapped lines too.
    probe.MoveViewByLines(1, ScanDir::Forward, false, 0, false);
    EXPECT_EQ(probe.ViewPos(), 10);
}

TEST_F(BinHexTextTest, NumbersBeyondTheTableLimitsShowAsDots) {
    viewer.SetOption(&BinHexOptions::textGutter, true);
    viewer.SetOption(&BinHexOptions::textGutterLinesStep, 1);
    std::string lines;
    for (int i = 0; i < 2100; ++i) {
        lines += "x\n";
    }
    surface.height = 2 * 16 + 2;
    Show(lines, ViewerMode::Text);
    EXPECT_EQ(viewer.Document().LineCount(), 1999);
    probe.SetViewPosRaw(2 * 1999); // line 2000
    Redraw();
    EXPECT_EQ(GutterNumbers(), std::vector<std::wstring>{L"2000"});
    EXPECT_EQ(CallsOf(Op::Ellipse).size(), 2u); // line 2001 and the part-visible 2002
    // The gutter is wide enough for the largest number.
    EXPECT_EQ(probe.GutterWidth(), 4 * 8 + 2);

    // Only the first TextGutterLinesBufSize bytes are scanned.
    viewer.SetOption(&BinHexOptions::textGutterLinesBufSize, 1024);
    viewer.SetMode(ViewerMode::Text);
    EXPECT_EQ(viewer.Document().LineCount(), 511);
    EXPECT_EQ(viewer.Document().LineNumber(1022), 512);
    EXPECT_EQ(viewer.Document().LineNumber(1024), 0);
    probe.SetViewPosRaw(1022);
    Redraw();
    EXPECT_EQ(GutterNumbers(), std::vector<std::wstring>{L"512"});
    EXPECT_EQ(CallsOf(Op::Ellipse).size(), 2u);
}

TEST_F(BinHexTextTest, LineNumbersNeedGutterLinesAndAListedExtension) {
    viewer.SetOption(&BinHexOptions::textGutter, true);
    viewer.SetOption(&BinHexOptions::textGutterLinesStep, 1);
    viewer.SetOption(&BinHexOptions::textGutterLines, false);
    Show(kTenChars, ViewerMode::Text);
    EXPECT_FALSE(probe.LinesEnabled());
    EXPECT_TRUE(GutterNumbers().empty());
    EXPECT_EQ(CallsOf(Op::Ellipse).size(), 3u);

    viewer.SetOption(&BinHexOptions::textGutterLines, true);
    viewer.SetOption(&BinHexOptions::textGutterLinesExtUse, true);
    viewer.SetOption(&BinHexOptions::textGutterLinesExtList, L"txt,log");
    EXPECT_FALSE(probe.LinesEnabled()); // a stream has no file name, so no extension
    viewer.SetOption(&BinHexOptions::textGutterLinesExtList, L"txt,,log");
    EXPECT_TRUE(probe.LinesEnabled());
    viewer.SetMode(ViewerMode::Hex);
    EXPECT_FALSE(probe.LinesEnabled());
}

TEST_F(BinHexTextTest, UnicodeModeBreaksOnlyOnUnitsThirteenAndTen) {
    viewer.SetOption(&BinHexOptions::textGutter, true);
    viewer.SetOption(&BinHexOptions::textGutterLinesStep, 1);
    const std::vector<std::uint8_t> units = {'A', 0, 0x0A, 0x0D, 'B', 0, 0x0A, 0, 'C', 0};
    Show(units, ViewerMode::Unicode);
    EXPECT_EQ(TextsAt(probe.LeftMargin()), (std::vector<std::wstring>{L"A\u0D0AB", L"C"}));
    EXPECT_EQ(viewer.Document().LineCount(), 1);
    EXPECT_EQ(viewer.Document().LineStarts()[0], 8);
    EXPECT_EQ(GutterNumbers(), (std::vector<std::wstring>{L"1", L"2"}));
    EXPECT_EQ(probe.NextLinePos(ScanDir::Backward, false, 8), 0);
}

TEST_F(BinHexTextTest, MultiByteCodePageDecodesToFewerCharactersThanBytes) {
    viewer.SetOption(&BinHexOptions::textEncoding, ViewerEncoding::UTF8);
    viewer.SetOption(&BinHexOptions::textNonPrintable, true);
    Show("\xC3\xA9t\xC3\xA9\nx", ViewerMode::Text);
    const auto lines = TextsAt(2);
    ASSERT_EQ(lines.size(), 2u);
    // The line-end mark follows the line that ends with a break.
    EXPECT_EQ(lines[0], L"\u00E9t\u00E9\u00B6");
    EXPECT_EQ(lines[1], L"x");
    // Positions stay byte offsets.
    EXPECT_EQ(probe.Positions().drawnLines[1].offset, 6);
}

TEST_F(BinHexTextTest, SelectionInvertsTheSelectedPartOfATextLine) {
    Show("hello world", ViewerMode::Text);
    probe.SetSelectionRaw(6, 3);
    Redraw();
    const auto inverts = CallsOf(Op::Invert);
    ASSERT_EQ(inverts.size(), 1u);
    EXPECT_EQ(inverts[0].rect, (Rect{2 + 6 * 8, 0, 2 + 9 * 8, 16}));
}

TEST_F(BinHexTextTest, VerticalBarOnlyWhenTheTextDoesNotFit) {
    surface.height = 2 * 16 + 2;
    Show("one\ntwo", ViewerMode::Text);
    EXPECT_TRUE(probe.ViewAtEnd());
    EXPECT_EQ(surface.vert, ScrollBarState{});
    Show("one\ntwo\nthree", ViewerMode::Text);
    EXPECT_FALSE(probe.ViewAtEnd());
    EXPECT_EQ(surface.vert, (ScrollBarState{0, 13, 0, 0}));
}

TEST_F(BinHexTextTest, BoundariesIncludeTheStartingCharacter) {
    Show("foo_bar1 baz\r\nnext", ViewerMode::Text);
    EXPECT_EQ(probe.FindBoundary(BoundarySet::Word, ScanDir::Backward, 5), 0);
    EXPECT_EQ(probe.FindBoundary(BoundarySet::Word, ScanDir::Forward, 5), 7);
    EXPECT_EQ(probe.FindBoundary(BoundarySet::Word, ScanDir::Backward, 8), 0);
    EXPECT_EQ(probe.FindBoundary(BoundarySet::Word, ScanDir::Forward, 8), 11);
    EXPECT_EQ(probe.FindBoundary(BoundarySet::Line, ScanDir::Forward, 2), 11);
    EXPECT_EQ(probe.FindBoundary(BoundarySet::Line, ScanDir::Backward, 16), 14);
    EXPECT_EQ(probe.FindBoundary(BoundarySet::Line, ScanDir::Forward, 16), 17);
}

TEST_F(BinHexTextTest, LinkTableDrivesUrlAtAndTheLinkDrawing) {
    Show("see www.example.com or mail", ViewerMode::Text);
    EXPECT_EQ(probe.UrlAt(5), L"");

    // The table stays empty in the product; filled by hand it drives lookup and drawing.
    probe.Urls()[0] = {L"www.example.com", 4};
    probe.Urls()[1] = {L"me@example.com", 23};
    EXPECT_EQ(probe.UrlAt(3), L"");
    EXPECT_EQ(probe.UrlAt(4), L"www.example.com");
    EXPECT_EQ(probe.UrlAt(18), L"www.example.com");
    EXPECT_EQ(probe.UrlAt(19), L"");

    Redraw();
    const auto texts = Texts();
    const auto link = std::find_if(texts.begin(), texts.end(), [](const auto& call) {
        return call.text == L"www.example.com";
    });
    ASSERT_NE(link, texts.end());
    EXPECT_EQ(link->rect.left, 2 + 4 * 8);
    EXPECT_TRUE(link->font.underline);
    EXPECT_EQ(link->textColor, viewer.Options().textColorURL);

    // Reading a buffer with highlighting off clears the table.
    viewer.SetOption(&BinHexOptions::textUrlHilight, false);
    viewer.SetMode(ViewerMode::Text);
    EXPECT_EQ(probe.UrlAt(4), L"");
}

} // namespace
} // namespace tavrix::testing
