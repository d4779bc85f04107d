// Scroll bar ranges, pages and positions, set after every drawing (the arithmetic is in
// ScrollBarMath.cpp).
#include "viewer/ScrollBarMath.h"
#include "viewer/ZorvBinHex.h"

namespace tavrix {

namespace {

ScrollBarState ToState(const ScrollBarSetting& setting) {
    return {0, setting.Max, setting.Page, setting.Pos};
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
    in.BufferOK = document_.BufferOk();
    in.FileSize = document_.Size();
    in.CharSize = CharSize();
    in.LineSize = LineSize();
    in.TextMode = IsTextMode(options_.Mode);
    in.ViewPos = viewPos_;
    in.LinesCount = linesCount_;
    in.ViewPageSize = viewPageSize_;
    surface_.SetVertScrollBar(ToState(VertScrollBarSetting(in)));
}

void TZorvBinHex::UpdateHorzScrollBar() {
    HorzScrollInput in;
    in.Hidden = !document_.BufferOk() || document_.Size() < CharSize() ||
                (IsTextMode(options_.Mode) && options_.TextWrap) ||
                (options_.Mode == vbmodeBinary && options_.TextWidthFit && fontMonospaced_);
    in.ClientWidth = surface_.ClientWidth();
    in.HViewPos = hViewPos_;
    in.MaxLineRight = in.Hidden ? 0 : MaxLineRight();
    surface_.SetHorzScrollBar(ToState(HorzScrollBarSetting(in, hViewMaxWidth_)));
}

} // namespace tavrix
