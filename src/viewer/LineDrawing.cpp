#include "viewer/LineDrawing.h"

#include "viewer/ViewerAssert.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>

namespace tavrix {

namespace {

constexpr wchar_t kTab = 9;
constexpr wchar_t kBlank = 32;

// Cells that a tab at the 1-based column takes.
int TabWidth(int tabSize, int column, bool alignToStops) {
    if (tabSize <= 0) {
        FailAssertion(L"Tab size too small", L"ZorvxSProc");
    }
    return alignToStops ? tabSize - ((column - 1) % tabSize) : tabSize;
}

} // namespace

std::wstring ExpandTab(const TabExpandOptions& options) {
    const int width = TabWidth(options.tabSize, options.column, options.alignToStops);
    std::wstring cells(static_cast<std::size_t>(width), kBlank);
    if (options.showMark) {
        cells[static_cast<std::size_t>(width / 2)] = options.markChar;
    }
    return cells;
}

void ExpandTabs(std::wstring& text, TabExpandOptions options) {
    const std::size_t firstTab = text.find(kTab);
    if (firstTab == std::wstring::npos) {
        return;
    }
    // One pass from left to right; each tab sees the column it has in the already expanded text.
    std::wstring expanded;
    expanded.reserve(text.size() + 64);
    std::size_t from = 0;
    for (std::size_t tab = firstTab; tab != std::wstring::npos; tab = text.find(kTab, from)) {
        expanded.append(text, from, tab - from);
        options.column = static_cast<int>(expanded.size()) + 1;
        const int width = TabWidth(options.tabSize, options.column, options.alignToStops);
        const std::size_t start = expanded.size();
        expanded.append(static_cast<std::size_t>(width), kBlank);
        if (options.showMark) {
            expanded[start + static_cast<std::size_t>(width / 2)] = options.markChar;
        }
        from = tab + 1;
    }
    expanded.append(text, from, std::wstring::npos);
    text = std::move(expanded);
}

std::wstring PrepareLineText(std::wstring_view text, const LineOutputOptions& options) {
    std::wstring result(text);
    const wchar_t blankMark = options.oemFont ? kBlankMarkOem : kBlankMark;
    const wchar_t tabMark = options.oemFont ? kTabMarkOem : kTabMark;
    const wchar_t lineEndMark = options.oemFont ? kLineEndMarkOem : kLineEndMark;
    if (options.showNonPrintable) {
        std::replace(result.begin(), result.end(), kBlank, blankMark);
    }
    TabExpandOptions tabs;
    tabs.tabSize = options.tabSize;
    tabs.alignToStops = options.monospaced;
    tabs.showMark = options.showNonPrintable;
    tabs.markChar = tabMark;
    ExpandTabs(result, tabs);
    if (options.showNonPrintable && options.showLineEnd) {
        result.push_back(lineEndMark);
    }
    return result;
}

void DrawWideText(Canvas& canvas, int x, int y, std::wstring_view text) {
    canvas.DrawTextAt(x, y, text);
}

int WideTextWidth(Canvas& canvas, std::wstring_view text) {
    int width = 0;
    return canvas.TextWidth(text, width) ? width : 0;
}

void DrawLine(Canvas& canvas, int x, int y, const LineOutputOptions& options,
              std::wstring_view text) {
    DrawWideText(canvas, x, y, PrepareLineText(text, options));
}

int LineWidth(Canvas& canvas, std::wstring_view text, const LineOutputOptions& options) {
    return WideTextWidth(canvas, PrepareLineText(text, options));
}

bool GetCharExtents(Canvas& canvas, std::wstring_view text, CharExtents& extents,
                    const LineOutputOptions& options) {
    const std::wstring prepared = PrepareLineText(text, options);
    // The platform writes every entry; no need to clear them first.
    const auto prefix = std::make_unique_for_overwrite<int[]>(prepared.size() + 1);
    if (!canvas.PrefixExtents(prepared, std::span<int>(prefix.get(), prepared.size()))) {
        extents.fill(0);
        return false;
    }
    const int preparedLength = static_cast<int>(prepared.size());
    const int count = std::min(static_cast<int>(text.size()), kMaxCharExtents);
    extents[0] = 0;
    int pos = 0;
    for (int i = 1; i <= count; ++i) {
        ++pos;
        if (text[static_cast<std::size_t>(i - 1)] == kTab) {
            pos += TabWidth(options.tabSize, pos, options.monospaced) - 1;
        }
        const bool known = pos >= 1 && pos <= preparedLength;
        extents[static_cast<std::size_t>(i)] =
            known ? prefix[static_cast<std::size_t>(pos - 1)] : 0;
    }
    std::fill(extents.begin() + count + 1, extents.end(), 0);
    return true;
}

void InvertArea(Canvas& canvas, const Rect& rect) {
    canvas.InvertRect(rect);
}

void GetFontMetrics(Canvas& canvas, int& height, int& firstChar, int& digitWidth,
                    bool& monospaced) {
    if (!canvas.TextMetrics(height, firstChar)) {
        height = std::abs(canvas.FontPixelHeight());
        firstChar = 32;
    }
    digitWidth = WideTextWidth(canvas, L"0");
    monospaced = WideTextWidth(canvas, L"W") == WideTextWidth(canvas, L".");
}

int FontLineHeight(Canvas& canvas) {
    int height = 0;
    int firstChar = 0;
    if (!canvas.TextMetrics(height, firstChar)) {
        height = std::abs(canvas.FontPixelHeight());
    }
    return height;
}

bool StepFontSize(ViewerFont& font, Canvas& canvas, bool increase) {
    constexpr int kMinSize = 1;
    constexpr int kMaxSize = 72;
    std::unique_ptr<Canvas> scratch = canvas.CreateCompatible();
    if (!scratch) {
        return false;
    }
    ViewerFont sized = font;
    scratch->SetFont(sized);
    const int startHeight = FontLineHeight(*scratch);
    do {
        if ((increase && sized.size >= kMaxSize) || (!increase && sized.size <= kMinSize)) {
            return false;
        }
        sized.size += increase ? 1 : -1;
        scratch->SetFont(sized);
    } while (FontLineHeight(*scratch) == startHeight);
    font.size = sized.size;
    return true;
}

void SwapInt64(std::int64_t& a, std::int64_t& b) {
    std::swap(a, b);
}

bool IsWrapChar(wchar_t ch) {
    return ch == 32 || ch == 9 || ch == 92;
}

int FindWrapPos(std::wstring_view text, int maxPos) {
    const int n = std::min(maxPos + 1, static_cast<int>(text.size()));
    for (int i = n; i >= 1; --i) {
        if (IsWrapChar(text[static_cast<std::size_t>(i - 1)])) {
            return i;
        }
    }
    return maxPos;
}

void TrimLastBlank(std::wstring& text) {
    if (!text.empty() && (text.back() == kBlank || text.back() == kTab)) {
        text.pop_back();
    }
}

} // namespace tavrix
