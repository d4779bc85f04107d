// The gutter: its band, the line numbers or dots of the text modes, and the line-number table
// built from the first bytes of the source.
#include "viewer/LineDrawing.h"
#include "viewer/ZorvBinHex.h"

#include <algorithm>
#include <cwctype>

namespace tavrix {

namespace {

std::wstring Lowered(std::wstring text) {
    for (wchar_t& ch : text) {
        ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
    }
    return text;
}

std::wstring ExtensionOf(const std::wstring& fileName) {
    const auto slash = fileName.find_last_of(L"\\/:");
    const auto dot = fileName.rfind(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) {
        return {};
    }
    return fileName.substr(dot + 1);
}

} // namespace

bool TZorvBinHex::LinesEnabled() const {
    if (!IsTextMode(options_.Mode) || !options_.TextGutter || !options_.TextGutterLines) {
        return false;
    }
    if (!options_.TextGutterLinesExtUse) {
        return true;
    }
    const std::wstring list = L"," + Lowered(options_.TextGutterLinesExtList) + L",";
    return list.find(L"," + Lowered(ExtensionOf(fileName_)) + L",") != std::wstring::npos;
}

void TZorvBinHex::DrawGutterBand(Canvas& canvas, int height, bool measure) {
    if (!options_.TextGutter) {
        return;
    }
    if (measure) {
        gutterWidth_ = 10;
        if (LinesEnabled()) {
            const ViewerFont saved = canvas.Font();
            canvas.SetFont(options_.FontGutter);
            const int numberWidth = WideTextWidth(canvas, std::to_wstring(lineCount_ + 1));
            canvas.SetFont(saved);
            gutterWidth_ = std::max(10, numberWidth + 2);
        }
    }
    canvas.SetBrushColor(options_.TextColorGutter);
    canvas.FillRect({0, 0, gutterWidth_, height});
    canvas.SetBrushColor(colors_.Background);
}

void TZorvBinHex::DrawGutterRow(Canvas& canvas, int y, std::int64_t pos) {
    const int n = LineNumber(pos);
    if (LinesEnabled() && n >= 1 && n % options_.TextGutterLinesStep == 0) {
        canvas.SetFont(options_.FontGutter);
        const std::wstring number = std::to_wstring(n);
        const int width = WideTextWidth(canvas, number);
        const int top = y + (fontHeight_ - FontLineHeight(canvas)) / 2;
        DrawWideText(canvas, gutterWidth_ - 2 - width, top, number);
        canvas.SetFont(CurrentFont());
        canvas.SetTextColor(colors_.Text);
    } else {
        const int cx = gutterWidth_ / 2;
        const int cy = y + fontHeight_ / 2;
        canvas.SetPen(colors_.Text, 1);
        canvas.SetBrushColor(colors_.Background);
        canvas.Ellipse({cx - 3, cy - 3, cx + 3, cy + 3});
    }
}

int TZorvBinHex::LineNumber(std::int64_t pos) const {
    if (pos == 0) {
        return 1;
    }
    for (int k = 0; k < lineCount_; ++k) {
        if (lineStarts_[static_cast<std::size_t>(k)] == pos) {
            return k + 2;
        }
    }
    return 0;
}

void TZorvBinHex::BuildLineTable(std::int64_t n) {
    lineCount_ = 0;
    lineStarts_.assign(static_cast<std::size_t>(options_.TextGutterLinesCount), 0);
    // A block of its own, so the buffer stays where the view is.
    std::vector<std::uint8_t> block(static_cast<std::size_t>(std::max<std::int64_t>(n, 0)));
    std::int64_t got = 0;
    if (block.empty() || !ReadSource(block, got, 0)) {
        return;
    }
    const std::int64_t charSize = CharSize();
    const bool unicode = IsUnicodeMode(options_.Mode);
    const bool bigEndian = unicodeOrder_ == kOrderBigEndian;
    // Only characters below 256 count; in 16-bit text a unit with a high byte counts as 0.
    auto at = [&](std::int64_t p) -> unsigned {
        const auto i = static_cast<std::size_t>(p);
        if (!unicode) {
            return block[i];
        }
        const unsigned high = bigEndian ? block[i] : block[i + 1];
        const unsigned low = bigEndian ? block[i + 1] : block[i];
        return high == 0 ? low : 0;
    };
    const std::int64_t end1 = AlignPos(got - charSize);
    const std::int64_t end2 = AlignPos(got - 2 * charSize);
    std::int64_t p = 0;
    for (;;) {
        while (p < end1 && at(p) != 13 && at(p) != 10) {
            p += charSize;
        }
        if (p < end2 && at(p) == 13 && at(p + charSize) == 10) {
            p += charSize;
        }
        p += charSize;
        if (p > end1 || lineCount_ >= options_.TextGutterLinesCount - 1) {
            break;
        }
        lineStarts_[static_cast<std::size_t>(lineCount_++)] = static_cast<std::int32_t>(p);
    }
}

} // namespace tavrix
