// Scroll bar ranges, pages and positions, set after every drawing (the arithmetic is in
// ScrollBarMath.cpp).
#include "viewer/ScrollBarMath.h"
#include "viewer/ZorvBinHex.h"

namespace tavrix {

namespace {

ScrollBarState ToState(const ScrollBarSetting& setting) {
    return {0, setting.max, setting.page, setting.pos};
}

} // namespace

int TZorvBinHex::MaxLineRight() {
    Canvas* canvas = surface_.Picture();
    if (canvas == nullptr) {
        return hViewPos_;
    }
    return positions_.MaxRightEdge(*canvas, OutputOptions()) + hViewPos_;
}

void TZorvBinHex::UpdateVertScrollBar() {
    VertScrollInput in;
    in.bufferOK = document_.BufferOk();
    in.fileSize = document_.Size();
    in.charSize = CharSize();
    in.lineSize = LineSize();
    in.textMode = IsTextMode(options_.mode);
    in.viewPos = viewPos_;
    in.linesCount = linesCount_;
    in.viewPageSize = viewPageSize_;
    surface_.SetVertScrollBar(ToState(VertScrollBarSetting(in)));
}

void TZorvBinHex::UpdateHorzScrollBar() {
    HorzScrollInput in;
    in.hidden = !document_.BufferOk() || document_.Size() < CharSize() ||
                (IsTextMode(options_.mode) && options_.textWrap) ||
                (options_.mode == ViewerMode::Binary && options_.textWidthFit && fontMonospaced_);
    in.clientWidth = surface_.ClientWidth();
    in.hViewPos = hViewPos_;
    in.maxLineRight = in.hidden ? 0 : MaxLineRight();
    surface_.SetHorzScrollBar(ToState(HorzScrollBarSetting(in, hViewMaxWidth_)));
}

} // namespace tavrix
