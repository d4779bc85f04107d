#pragma once
// Drawing and measuring one line of viewer text: visible marks for blanks, tabs and line ends,
// tab expansion, the pixel extent of every character, font metrics and font size steps, and the
// choice of the place where a too long line wraps.
#include "viewer/Canvas.h"
#include "viewer/LineOutputOptions.h"
#include "viewer/ViewerFont.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrix {

// Mark characters for the normal font and for the OEM font (code page 437 glyphs).
inline constexpr wchar_t kBlankMark = 183, kBlankMarkOem = 250;
inline constexpr wchar_t kTabMark = 187, kTabMarkOem = 249;
inline constexpr wchar_t kLineEndMark = 182, kLineEndMarkOem = 254;

struct TabExpandOptions {
    int tabSize = 8;           // tab width in cells, at least 1
    int column = 1;            // 1-based position of the tab in the text being expanded
    bool alignToStops = false; // reach the next tab stop instead of always TabSize cells
    bool showMark = false;     // put MarkChar into the middle of the expansion
    wchar_t markChar = kTabMark;
};

inline constexpr int kMaxCharExtents = 2048;
// Entry 0 is 0; entry i is the right edge of source character i as drawn; 0 where unknown.
using CharExtents = std::array<int, kMaxCharExtents + 1>;

std::wstring PrepareLineText(std::wstring_view text, const LineOutputOptions& options);
// The blanks that replace one tab. A tab size below 1 is a caller error (assertion).
std::wstring ExpandTab(const TabExpandOptions& options);
// Replaces every tab of text, left to right, each at its position in the already expanded text.
void ExpandTabs(std::wstring& text, TabExpandOptions options);

void DrawWideText(Canvas& canvas, int x, int y, std::wstring_view text);
// 0 when the platform cannot measure it.
int WideTextWidth(Canvas& canvas, std::wstring_view text);
void DrawLine(Canvas& canvas, int x, int y, const LineOutputOptions& options,
              std::wstring_view text);
int LineWidth(Canvas& canvas, std::wstring_view text, const LineOutputOptions& options);
// Fills extents for text as drawn with options; false (all entries 0) when it cannot be measured.
bool GetCharExtents(Canvas& canvas, std::wstring_view text, CharExtents& extents,
                    const LineOutputOptions& options);
void InvertArea(Canvas& canvas, const Rect& rect);

void GetFontMetrics(Canvas& canvas, int& height, int& firstChar, int& digitWidth, bool& monospaced);
int FontLineHeight(Canvas& canvas);
// Changes font's size by the smallest step (within 1 to 72 points) that changes its line height
// on canvas's device. False, with font unchanged, at a limit.
bool StepFontSize(ViewerFont& font, Canvas& canvas, bool increase);

void SwapInt64(std::int64_t& a, std::int64_t& b);
// Blank, tab or backslash.
bool IsWrapChar(wchar_t ch);
// Number of characters to keep of a too long line: up to the last wrap character within the
// first maxPos + 1 characters, else maxPos.
int FindWrapPos(std::wstring_view text, int maxPos);
// Removes one trailing blank or tab.
void TrimLastBlank(std::wstring& text);

} // namespace tavrix
