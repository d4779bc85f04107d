// The screen of the text modes: one display line per row with its line-end mark, links and
// gutter.
#include "viewer/LineDrawing.h"
#include "viewer/ZorvBinHex.h"

#include <algorithm>

namespace tavrix {

void TZorvBinHex::DrawTextScreen(Canvas& canvas) {
    const int rows = std::min(linesCount_ + 1, kMaxScreenLines);
    std::int64_t pos = viewPos_;
    for (int r = 0; r < rows; ++r) {
        std::wstring text;
        std::int64_t count = 0;
        const std::int64_t next = NextLinePosText(ScanDir::Forward, false, pos, &text, &count);
        DrawTextRow(canvas, r, pos, text, count);
        if (r < linesCount_) {
            viewPageSize_ = (next >= 0 ? next : document_.Size()) - viewPos_;
            viewAtEnd_ = next < 0;
        }
        if (next < 0) {
            break;
        }
        pos = next;
    }
}

void TZorvBinHex::DrawTextRow(Canvas& canvas, int row, std::int64_t pos, const std::wstring& text,
                              std::int64_t count) {
    // The mark goes after lines that end with a line break, not after cut or wrapped ones. The
    // break is looked for after the source characters read, which is also right when a
    // multi-byte code page decoded them to fewer characters.
    const bool endMark = IsBreakAt(pos + count * CharSize());
    const std::int64_t before = pos - CharSize();
    const bool lineStart = document_.IsOutOfRange(before) || IsBreakAt(before);
    const int y = row * fontHeight_;
    const int x = LeftMargin();
    canvas.SetTextColor(colors_.text);
    canvas.SetBrushColor(colors_.background);

    const int drawX = x - hViewPos_;
    DrawLine(canvas, drawX, y, OutputOptions(endMark), text);
    DrawLinks(canvas, text, drawX, y, pos);
    InvertSelection(canvas, text, drawX, y, pos, false);
    positions_.AddLine(text, drawX, y, pos);
    if (options_.textGutter) {
        canvas.SetBrushColor(options_.textColorGutter);
        canvas.FillRect({0, y, gutterWidth_, y + fontHeight_});
        if (lineStart) {
            DrawGutterRow(canvas, y, pos);
        }
        canvas.SetBrushColor(colors_.background);
    }
}

void TZorvBinHex::DrawLinks(Canvas& canvas, const std::wstring& text, int x, int y,
                            std::int64_t pos) {
    if (urls_[0].text.empty()) {
        return;
    }
    CharExtents extents;
    const std::int64_t length = MeasureText(canvas, text, extents);
    if (length < 0) {
        return;
    }
    const ViewerFont font = canvas.Font();
    for (const LinkEntry& url : urls_) {
        if (url.text.empty()) {
            break;
        }
        const std::int64_t s = (url.offset - pos) / CharSize();
        const auto linkLength = static_cast<std::int64_t>(url.text.size());
        if (s > length || s + linkLength < 0) {
            continue;
        }
        const std::int64_t from = std::max<std::int64_t>(s, 0);
        const std::int64_t to = std::min(s + linkLength, length);
        if (to <= from) {
            continue;
        }
        ViewerFont underlined = font;
        underlined.underline = true;
        canvas.SetFont(underlined);
        canvas.SetTextColor(colors_.link);
        DrawLine(canvas, x + extents[static_cast<std::size_t>(from)], y, OutputOptions(),
                 text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)));
    }
    canvas.SetFont(font);
    canvas.SetTextColor(colors_.text);
}

std::wstring TZorvBinHex::UrlAt(std::int64_t pos) const {
    if (pos < 0) {
        return {};
    }
    for (const LinkEntry& url : urls_) {
        if (url.text.empty()) {
            break;
        }
        const auto end = url.offset + static_cast<std::int64_t>(url.text.size()) * CharSize();
        if (url.offset <= pos && pos < end) {
            return url.text;
        }
    }
    return {};
}

} // namespace tavrix
