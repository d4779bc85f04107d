// Scroll bar ranges, pages and positions, set after every drawing. The vertical bar works in at
// most 32767 steps, so one step covers many lines of a large source.
#include "viewer/ZorvBinHex.h"

#include <algorithm>

namespace tavrix {

int TZorvBinHex::MaxLineRight() {
    Canvas* canvas = surface_.Picture();
    if (canvas == nullptr) {
        return hViewPos_;
    }
    return positions_.MaxRightEdge(*canvas, OutputOptions()) + hViewPos_;
}

void TZorvBinHex::UpdateVertScrollBar() {
    const bool everythingShown = IsTextMode(mode_) && viewPos_ == 0 && fileSize_ <= viewPageSize_;
    if (!bufferOk_ || fileSize_ < CharSize() || everythingShown) {
        surface_.SetVertScrollBar({});
        return;
    }
    const std::int64_t lineSize = LineSize();
    const std::int64_t max = std::clamp<std::int64_t>(fileSize_ / lineSize, 4, 32767);
    const std::int64_t pos = std::min(viewPos_ * max / fileSize_, max);
    std::int64_t page = 0;
    if (!IsTextMode(mode_)) {
        const std::int64_t pageBytes = linesCount_ * lineSize;
        page = std::max<std::int64_t>(pageBytes * max / fileSize_, 1);
        if (page >= max) {
            page = max + 1;
        }
        page = std::min<std::int64_t>(page, 32767);
    }
    surface_.SetVertScrollBar(
        {0, static_cast<int>(max), static_cast<int>(page), static_cast<int>(pos)});
}

void TZorvBinHex::UpdateHorzScrollBar() {
    const bool noBar = !bufferOk_ || fileSize_ < CharSize() || (IsTextMode(mode_) && textWrap_) ||
                       (mode_ == vbmodeBinary && textWidthFit_ && fontMonospaced_);
    if (noBar) {
        surface_.SetHorzScrollBar({});
        return;
    }
    const int clientWidth = surface_.ClientWidth();
    hViewMaxWidth_ = std::max({hViewMaxWidth_, MaxLineRight(), clientWidth + hViewPos_});
    surface_.SetHorzScrollBar({0, hViewMaxWidth_, clientWidth + 1, hViewPos_});
}

} // namespace tavrix
