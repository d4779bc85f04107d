// Showing what Find found and going to an offset: the selection and the scrolling that bring a
// range into view.
#include "viewer/ZorvBinHex.h"

#include <algorithm>

namespace tavrix {

bool TZorvBinHex::RangeInView(std::int64_t offset, std::int64_t length) const {
    const std::int64_t end = offset + std::max<std::int64_t>(length, 1);
    return viewPageSize_ > 0 && offset >= viewPos_ && end <= viewPos_ + viewPageSize_;
}

void TZorvBinHex::ShowLineOnTop(std::int64_t offset, int linesAbove) {
    if (IsTextMode(options_.mode)) {
        // The line that holds offset, then linesAbove lines before it.
        MoveViewByLines(1 + linesAbove, ScanDir::Backward, true, offset, true);
        return;
    }
    const std::int64_t line = LineSize();
    const std::int64_t row = offset - offset % line;
    SetViewPos(std::max<std::int64_t>(0, row - linesAbove * line));
    if (viewPos_ == 0) {
        Redraw();
    }
}

void TZorvBinHex::ShowColumnOf(std::int64_t offset) {
    if (!IsTextMode(options_.mode) || options_.textWrap) {
        SetHViewPos(0, true);
        return;
    }
    // The drawn line that holds offset tells its column; characters are about a digit wide.
    for (int i = 0; i < positions_.drawnLineCount; ++i) {
        const HitMapLine& line = positions_.drawnLines[static_cast<std::size_t>(i)];
        const std::int64_t chars = (offset - line.offset) / CharSize();
        if (chars < 0 || chars > static_cast<std::int64_t>(line.text.size())) {
            continue;
        }
        const int x = static_cast<int>(chars) * fontWidthDigits_;
        const int margin = options_.textSearchIndentHorz * fontWidthDigits_;
        const int width = surface_.ClientWidth() - LeftMargin();
        if (x < hViewPos_ || x + margin > hViewPos_ + width) {
            SetHViewPos(x - margin, true);
        }
        return;
    }
}

void TZorvBinHex::ShowFound(std::int64_t offset, std::int64_t length) {
    SetSelection(offset, length, false, false, false);
    if (!RangeInView(offset, length)) {
        ShowLineOnTop(offset, options_.textSearchIndentVert);
    }
    ShowColumnOf(offset);
    Redraw();
}

void TZorvBinHex::GoToOffset(std::int64_t offset) {
    offset = std::clamp<std::int64_t>(offset, 0, std::max<std::int64_t>(0, document_.LastPos()));
    SetSelection(offset, CharSize(), false, false, false);
    ShowLineOnTop(offset, 0);
    ShowColumnOf(offset);
    Redraw();
}

} // namespace tavrix
