// The main window's sizes for a resolution: at creation the screen's, later the window's own
// whenever it moves to a screen of another resolution.
#include "app/DpiLayout.h"
#include "app/win32/MainForm.h"
#include "app/win32/MainFormDesign.h"
#include "base/Dpi.h"

namespace tavrix::win32 {

using namespace design;

void TMainForm::ApplyDpiLayout() {
    DpiLayoutMetrics m = ComputeDpiLayout(pixelsPerInch_);
    commands_.ApplyDpi(pixelsPerInch_, m, font_.get());
    sbMain_.ApplyDpi(pixelsPerInch_, font_.get());
    tvFormats_.SetItemHeight(m.treeItemHeight);
    preview_.SetCheckerCell(ScaleByDpi(kCheckerCell, pixelsPerInch_));
    LayoutControls();
}

void TMainForm::miMainMeasureItem(MEASUREITEMSTRUCT& item) {
    std::optional<int> height = MenuItemHeightForFactor(pixelsPerInch_ / 96.0);
    if (height) {
        item.itemHeight = static_cast<UINT>(*height);
    }
}

void TMainForm::FollowDpiChange(int pixelsPerInch, const RECT& suggested) {
    if (pixelsPerInch <= 0) {
        return;
    }
    int previous = pixelsPerInch_;
    pixelsPerInch_ = pixelsPerInch;
    // The tree keeps the width the user gave it, in the new resolution's pixels; at the designed
    // width it is exactly the designed one scaled.
    treeWidth_ = treeWidth_ == ScaleByDpi(kTreeWidth, previous)
                     ? ScaleByDpi(kTreeWidth, pixelsPerInch)
                     : MulDiv(treeWidth_, pixelsPerInch, previous);
    margin_ = ScaleByDpi(kMargin, pixelsPerInch);
    splitterWidth_ = ScaleByDpi(kSplitterWidth, pixelsPerInch);

    // The controls take the new font before the old one goes.
    Font previousFont = std::move(font_);
    CreateControlFont();
    tvFormats_.ApplyDpi(pixelsPerInch_, font_.get());
    preview_.Viewer().SetPixelsPerInch(pixelsPerInch_);
    ApplyDpiLayout();
    previousFont.reset();

    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutControls();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

} // namespace tavrix::win32
