// Line preparation, tab expansion, extents and font steps against the fixed-width canvas.
#include "viewer/LineDrawing.h"
#include "fakes/FixedWidthCanvas.h"
#include "viewer/ViewerAssert.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using testing::FixedWidthCanvas;

LineOutputOptions Options(bool marks, bool monospaced, bool lineEnd = false, bool oem = false,
                          int tabSize = 8) {
    LineOutputOptions o;
    o.showNonPrintable = marks;
    o.showLineEnd = lineEnd;
    o.oemFont = oem;
    o.monospaced = monospaced;
    o.tabSize = tabSize;
    return o;
}

// Positions (1-based) of the mark character in s.
std::vector<int> MarkCells(const std::wstring& s, wchar_t mark) {
    std::vector<int> cells;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == mark) {
            cells.push_back(static_cast<int>(i) + 1);
        }
    }
    return cells;
}

TEST(ExpandTabTest, TabStopsAtOneNineSeventeenWithMarkInTheMiddle) {
    TabExpandOptions o;
    o.tabSize = 8;
    o.alignToStops = true;
    o.showMark = true;
    o.markChar = L'>';
    o.column = 1;
    EXPECT_EQ(ExpandTab(o), L"    >   "); // 8 cells, mark in cell 5
    o.column = 3;
    EXPECT_EQ(ExpandTab(o), L"   >  "); // 6 cells, mark in cell 4
    o.column = 9;
    EXPECT_EQ(ExpandTab(o), L"    >   "); // 8 cells, mark in cell 5
    o.column = 8;
    EXPECT_EQ(ExpandTab(o), L">"); // 1 cell, mark in cell 1
    o.alignToStops = false;
    o.column = 3;
    EXPECT_EQ(ExpandTab(o), L"    >   ");
    o.showMark = false;
    EXPECT_EQ(ExpandTab(o), std::wstring(8, L' '));
}

TEST(ExpandTabTest, TabSizeBelowOneIsAnAssertion) {
    for (int size : {0, -3}) {
        TabExpandOptions o;
        o.tabSize = size;
        try {
            ExpandTab(o);
            ADD_FAILURE() << "no assertion for tab size " << size;
        } catch (const AssertionFailure& failure) {
            EXPECT_EQ(failure.Text(), L"Tab size too small");
            EXPECT_EQ(failure.Message(), L"Tab size too small (ZorvxSProc)");
        }
    }
    std::wstring noTabs = L"abc";
    TabExpandOptions zero;
    zero.tabSize = 0;
    EXPECT_NO_THROW(ExpandTabs(noTabs, zero)); // only a tab asks for the size
    std::wstring withTab = L"a\tb";
    EXPECT_THROW(ExpandTabs(withTab, zero), AssertionFailure);
}

TEST(ExpandTabTest, TabsExpandLeftToRightInTheExpandedText) {
    TabExpandOptions o;
    o.tabSize = 4;
    o.alignToStops = true;
    std::wstring text = L"\tab\t\tc\t";
    ExpandTabs(text, o);
    EXPECT_EQ(text, L"    ab      c   ");
    o.alignToStops = false;
    text = L"ab\t\tc";
    ExpandTabs(text, o);
    EXPECT_EQ(text, L"ab        c");
}

TEST(PrepareLineTextTest, MarksForNormalAndOemFonts) {
    const std::wstring text = L"a\tb c";
    const std::wstring mono = PrepareLineText(text, Options(true, true));
    // a, 7 cells with the mark in the fourth, b, marked blank, c
    EXPECT_EQ(mono, std::wstring(L"a   ") + kTabMark + L"   b" + kBlankMark + L"c");
    EXPECT_EQ(MarkCells(mono, kTabMark), std::vector<int>{5});
    const std::wstring proportional = PrepareLineText(text, Options(true, false));
    EXPECT_EQ(proportional.size(), 12u);                               // the tab takes 8 cells
    EXPECT_EQ(MarkCells(proportional, kTabMark), std::vector<int>{6}); // fifth cell of the tab
    const std::wstring oem = PrepareLineText(text, Options(true, true, true, true));
    EXPECT_EQ(MarkCells(oem, kTabMarkOem), std::vector<int>{5});
    EXPECT_EQ(MarkCells(oem, kBlankMarkOem), std::vector<int>{10});
    EXPECT_EQ(oem.back(), kLineEndMarkOem);
    EXPECT_EQ(kBlankMarkOem, 250);
    EXPECT_EQ(kTabMarkOem, 249);
    EXPECT_EQ(kLineEndMarkOem, 254);
    EXPECT_EQ(kBlankMark, 183);
    EXPECT_EQ(kTabMark, 187);
    EXPECT_EQ(kLineEndMark, 182);
}

TEST(PrepareLineTextTest, LineEndMarkNeedsBothFlagsAndBlanksFromTabsStayBlank) {
    EXPECT_EQ(PrepareLineText(L"x y", Options(false, true, true)), L"x y");
    EXPECT_EQ(PrepareLineText(L"x y", Options(true, true, false)),
              std::wstring(L"x") + kBlankMark + L"y");
    EXPECT_EQ(PrepareLineText(L"x y", Options(true, true, true)),
              std::wstring(L"x") + kBlankMark + L"y" + kLineEndMark);
    EXPECT_EQ(PrepareLineText(L"", Options(true, true, true)), std::wstring(1, kLineEndMark));
    // Without marks a tab is blanks only.
    EXPECT_EQ(PrepareLineText(L"\tz", Options(false, true)), L"        z");
    // With marks, the cells of the tab other than its mark stay plain blanks.
    const std::wstring marked = PrepareLineText(L" \t", Options(true, true));
    EXPECT_EQ(marked, std::wstring(1, kBlankMark) + L"   " + kTabMark + L"   ");
}

TEST(LineDrawingTest, DrawLineDrawsThePreparedTextAndLineWidthMeasuresIt) {
    FixedWidthCanvas canvas;
    DrawLine(canvas, 10, 20, Options(true, true, true), L"a\tb");
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].rect.left, 10);
    EXPECT_EQ(canvas.calls[0].rect.top, 20);
    EXPECT_EQ(canvas.calls[0].text, std::wstring(L"a   ") + kTabMark + L"   b" + kLineEndMark);
    EXPECT_EQ(LineWidth(canvas, L"a\tb", Options(false, true)), 9 * 8);
    EXPECT_EQ(WideTextWidth(canvas, L"abc"), 24);
    canvas.measureFails = true;
    EXPECT_EQ(WideTextWidth(canvas, L"abc"), 0);
    EXPECT_EQ(LineWidth(canvas, L"abc", Options(false, true)), 0);
    InvertArea(canvas, {1, 2, 3, 4});
    EXPECT_EQ(canvas.calls.back().op, FixedWidthCanvas::Op::Invert);
    EXPECT_EQ(canvas.calls.back().rect, (Rect{1, 2, 3, 4}));
}

TEST(GetCharExtentsTest, RightEdgeOfEverySourceCharacterWithTabsExpanded) {
    FixedWidthCanvas canvas; // 8 pixels a character
    CharExtents e;
    e.fill(-1);
    ASSERT_TRUE(GetCharExtents(canvas, L"ab\tc\td", e, Options(false, true, false, false, 4)));
    // a b [tab: cells 3-4] c [tab: cells 6-8] d
    EXPECT_EQ(e[0], 0);
    EXPECT_EQ(e[1], 8);
    EXPECT_EQ(e[2], 16);
    EXPECT_EQ(e[3], 32); // right edge of the last blank of the tab
    EXPECT_EQ(e[4], 40);
    EXPECT_EQ(e[5], 64);
    EXPECT_EQ(e[6], 72);
    EXPECT_EQ(e[7], 0); // beyond the text
    // Proportional fonts: every tab takes the full tab size.
    ASSERT_TRUE(GetCharExtents(canvas, L"ab\tc", e, Options(true, false, true, false, 4)));
    EXPECT_EQ(e[3], 48);
    EXPECT_EQ(e[4], 56);
    EXPECT_EQ(e[5], 0); // the line-end mark has no source character
}

TEST(GetCharExtentsTest, FailureLeavesAllZeroAndLongLinesStopAt2048) {
    FixedWidthCanvas canvas;
    CharExtents e;
    e.fill(7);
    canvas.measureFails = true;
    EXPECT_FALSE(GetCharExtents(canvas, L"abc", e, Options(false, true)));
    EXPECT_TRUE(std::all_of(e.begin(), e.end(), [](int v) { return v == 0; }));
    canvas.measureFails = false;
    const std::wstring longLine(3000, L'x');
    ASSERT_TRUE(GetCharExtents(canvas, longLine, e, Options(false, true)));
    EXPECT_EQ(e[2048], 2048 * 8);
    EXPECT_EQ(canvas.measurements, 2); // one platform measurement per line
}

TEST(FontMetricsTest, FromTextMetricsOrFromTheFontItself) {
    FixedWidthCanvas canvas;
    canvas.lineHeight = 17;
    canvas.firstChar = 1;
    int height = 0, firstChar = 0, digit = 0;
    bool mono = false;
    GetFontMetrics(canvas, height, firstChar, digit, mono);
    EXPECT_EQ(height, 17);
    EXPECT_EQ(firstChar, 1);
    EXPECT_EQ(digit, 8);
    EXPECT_TRUE(mono);
    canvas.metricsAvailable = false;
    GetFontMetrics(canvas, height, firstChar, digit, mono);
    EXPECT_EQ(height, 17); // absolute value of the font's pixel height
    EXPECT_EQ(firstChar, 32);
    EXPECT_EQ(FontLineHeight(canvas), 17);
}

int StepHeights(int size) {
    return size >= 70 ? 90 : 10 + size / 3;
} // same for 70, 71, 72

TEST(StepFontSizeTest, SmallestStepThatChangesTheLineHeightWithinOneToSeventyTwo) {
    FixedWidthCanvas canvas;
    canvas.LineHeightForSize = StepHeights;
    ViewerFont font;
    font.size = 10; // height 13; 11 -> 13, 12 -> 14
    EXPECT_TRUE(StepFontSize(font, canvas, true));
    EXPECT_EQ(font.size, 12);
    font.size = 12; // height 14; 11 -> 13
    EXPECT_TRUE(StepFontSize(font, canvas, false));
    EXPECT_EQ(font.size, 11);
    font.size = 71;
    EXPECT_FALSE(StepFontSize(font, canvas, true)); // 72 has the same height
    EXPECT_EQ(font.size, 71);
    font.size = 72;
    EXPECT_FALSE(StepFontSize(font, canvas, true));
    EXPECT_EQ(font.size, 72);
    font.size = 1;
    EXPECT_FALSE(StepFontSize(font, canvas, false));
    EXPECT_EQ(font.size, 1);
    font.size = 2; // height 10, 1 -> 10: no change before the limit
    EXPECT_FALSE(StepFontSize(font, canvas, false));
    EXPECT_EQ(font.size, 2);
    font.size = 69; // 70 jumps to 90
    EXPECT_TRUE(StepFontSize(font, canvas, true));
    EXPECT_EQ(font.size, 70);
    EXPECT_TRUE(canvas.calls.empty()); // the caller's canvas is not touched
}

TEST(WrapTest, FindWrapPosAndTrimLastBlank) {
    EXPECT_EQ(FindWrapPos(L"ab cd", 3), 3);
    EXPECT_EQ(FindWrapPos(L"abcdef", 3), 3);
    EXPECT_EQ(FindWrapPos(L"a\\b", 10), 2);
    EXPECT_EQ(FindWrapPos(L"abc\tef", 3), 4); // the character at maxPos + 1 counts
    EXPECT_EQ(FindWrapPos(L"a bcdef", 5), 2); // the last wrap character wins
    EXPECT_EQ(FindWrapPos(L"", 4), 4);
    EXPECT_TRUE(IsWrapChar(L' ') && IsWrapChar(L'\t') && IsWrapChar(L'\\'));
    EXPECT_FALSE(IsWrapChar(L'/') || IsWrapChar(L'-') || IsWrapChar(0));
    std::wstring s = L"ab  ";
    TrimLastBlank(s);
    EXPECT_EQ(s, L"ab ");
    s = L"ab\t";
    TrimLastBlank(s);
    EXPECT_EQ(s, L"ab");
    s = L"ab";
    TrimLastBlank(s);
    EXPECT_EQ(s, L"ab");
    s.clear();
    TrimLastBlank(s);
    EXPECT_EQ(s, L"");
    std::int64_t a = -1, b = 5000000000;
    SwapInt64(a, b);
    EXPECT_EQ(a, 5000000000);
    EXPECT_EQ(b, -1);
}

} // namespace
} // namespace tavrix
