// Line reading in the text modes: display lines of at most MaxLength characters, wrapped at the
// window width on request; the starts of the next and previous lines; moving the view by lines;
// and boundary searches for word and line selection.
#include "viewer/LineDrawing.h"
#include "viewer/StringHelpers.h"
#include "viewer/ZorvBinHex.h"

#include <algorithm>

namespace tavrix {

namespace {

constexpr char16_t kCR = 13;
constexpr char16_t kLF = 10;

bool InWordSet(char16_t ch) {
    // Blanks, punctuation and the line and tab characters end words; letters, digits, the
    // underscore and every code above 127 belong to them.
    return (ch >= 32 && ch <= 47) || (ch >= 58 && ch <= 64) || (ch >= 91 && ch <= 94) || ch == 96 ||
           (ch >= 123 && ch <= 127) || ch == 13 || ch == 10 || ch == 9;
}

} // namespace

std::int64_t TZorvBinHex::Step(std::int64_t pos, ScanDir dir, std::int64_t chars) const {
    return pos + static_cast<int>(dir) * chars * CharSize();
}

bool TZorvBinHex::CharIs(std::int64_t pos, char16_t ch) const {
    return !document_.IsOutOfRange(pos) && GetChar(pos) == ch;
}

bool TZorvBinHex::IsBreakAt(std::int64_t pos) const {
    return !document_.IsOutOfRange(pos) && IsLineBreak(static_cast<wchar_t>(GetChar(pos)));
}

ReadLineResult TZorvBinHex::ReadLine(ScanDir dir, std::int64_t pos) {
    ReadLineResult result{{}, 0};
    if (pos < 0) {
        return result;
    }
    std::int64_t p = document_.AlignPos(pos);
    if (dir == ScanDir::Backward) {
        p = std::min(p, document_.LastPos());
        if (document_.IsOutOfRange(p)) {
            return result;
        }
    }
    std::wstring raw;
    for (int i = 0; i < kMaxLineLength; ++i) {
        if (document_.IsOutOfRange(p)) {
            break;
        }
        const char16_t ch = GetChar(p);
        if (ch == kCR || ch == kLF) {
            break;
        }
        raw.push_back(static_cast<wchar_t>(ch));
        p = Step(p, dir);
    }
    std::int64_t count = static_cast<std::int64_t>(raw.size());

    if (options_.textWrap && !raw.empty()) {
        Canvas& canvas = PictureCanvas();
        const LineOutputOptions options = OutputOptions();
        const int space = canvas.Width() - LeftMargin();
        if (LineWidth(canvas, raw, options) > space) {
            CharExtents extents;
            if (GetCharExtents(canvas, raw, extents, options)) {
                int cut = 1;
                for (int k = static_cast<int>(raw.size()); k >= 1; --k) {
                    if (extents[static_cast<std::size_t>(k)] <= space) {
                        cut = FindWrapPos(raw, k);
                        break;
                    }
                }
                raw.resize(static_cast<std::size_t>(cut));
                count = cut;
                TrimLastBlank(raw);
            }
        }
    }
    result.text = DecodeLine(raw);
    result.count = count;
    return result;
}

bool TZorvBinHex::PreviousLineStart(std::int64_t& q) {
    if (CharIs(q, kLF) && CharIs(Step(q, ScanDir::Backward), kCR)) {
        q = Step(q, ScanDir::Backward);
    }
    const std::int64_t before = Step(q, ScanDir::Backward);
    if (document_.IsOutOfRange(before)) {
        return true;
    }
    const std::int64_t c = ReadLine(ScanDir::Backward, before).count;
    if (c > 0) {
        q = Step(q, ScanDir::Backward, c);
        return true;
    }
    return false;
}

std::int64_t TZorvBinHex::NextLinePos(ScanDir dir, bool toLineStart, std::int64_t pos) {
    return NextLinePosText(dir, toLineStart, pos, nullptr, nullptr);
}

std::int64_t TZorvBinHex::NextLinePosText(ScanDir dir, bool toLineStart, std::int64_t pos,
                                          std::wstring* text, std::int64_t* count) {
    if (pos < 0) {
        return -1;
    }
    std::int64_t q = document_.AlignPos(pos);
    if (CharIs(q, kLF) && CharIs(Step(q, ScanDir::Backward), kCR)) {
        q = Step(q, ScanDir::Backward);
    }
    ReadLineResult line = ReadLine(dir, q);
    const std::int64_t b = line.count;
    if (text != nullptr) {
        *text = std::move(line.text);
    }
    if (count != nullptr) {
        *count = b;
    }

    if (dir == ScanDir::Forward) {
        // Exactly one line break is skipped: CR LF, CR or LF.
        q = Step(q, dir, b);
        if (CharIs(q, kLF)) {
            q = Step(q, dir);
        } else if (CharIs(q, kCR)) {
            q = Step(q, dir);
            if (CharIs(q, kLF)) {
                q = Step(q, dir);
            }
        }
    } else if (toLineStart && b <= 1) {
        if (b == 0) {
            PreviousLineStart(q);
        }
    } else if (b >= 2) {
        // The earliest character the backward read collected.
        q = Step(std::min(q, document_.LastPos()), ScanDir::Backward, b - 1);
    } else if (b == 1) {
        q = Step(q, ScanDir::Backward);
        if (document_.IsOutOfRange(q)) {
            return -1;
        }
        PreviousLineStart(q);
    } else {
        std::int64_t r = q;
        if (PreviousLineStart(r)) {
            q = r;
        } else {
            r = Step(q, ScanDir::Backward);
            if (PreviousLineStart(r)) {
                q = r;
            }
        }
    }
    return document_.IsOutOfRange(q) ? -1 : q;
}

void TZorvBinHex::MoveViewByLines(int n, ScanDir dir, bool toLineStart, std::int64_t from,
                                  bool redraw) {
    // The read up front covers a screen's worth of lines; longer moves go a screen at a time.
    while (n > kMaxScreenLines) {
        MoveViewByLines(kMaxScreenLines, dir, toLineStart, from, false);
        n -= kMaxScreenLines;
        from = viewPos_;
    }
    // One buffer read up front covers every line that n steps can reach.
    std::int64_t p =
        Step(document_.AlignPos(from), dir, static_cast<std::int64_t>(n) * kMaxLineLength);
    p = std::clamp<std::int64_t>(p, 0, document_.LastPos());
    ReadBuffer(p);

    p = document_.AlignPos(from);
    for (int i = 0; i < n && p >= 0; ++i) {
        p = NextLinePos(dir, toLineStart, p);
    }
    if (p < 0) {
        p = dir == ScanDir::Forward
                ? std::max<std::int64_t>(0, NextLinePos(ScanDir::Backward, false, document_.Size()))
                : 0;
    }
    viewPos_ = p;
    ReadBuffer(viewPos_);
    if (redraw) {
        Redraw();
    }
}

std::int64_t TZorvBinHex::FindBoundary(BoundarySet set, ScanDir dir, std::int64_t pos) const {
    std::int64_t r = document_.AlignPos(pos);
    for (int i = 0; i < kBoundaryScanLimit; ++i) {
        const std::int64_t next = Step(r, dir);
        if (document_.IsOutOfRange(next)) {
            break;
        }
        const char16_t ch = GetChar(next);
        const bool stop = set == BoundarySet::Line ? (ch == kCR || ch == kLF) : InWordSet(ch);
        if (stop) {
            break;
        }
        r = next;
    }
    return r;
}

} // namespace tavrix
