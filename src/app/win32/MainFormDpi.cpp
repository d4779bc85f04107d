// The main window's sizes for its resolution, at creation and whenever it moves to a screen of
// another resolution.
#include "app/DpiLayout.h"
#include "app/win32/MainForm.h"
#include "app/win32/MainFormDesign.h"
#include "base/Dpi.h"

namespace tavrix::win32 {

using namespace design;

void TMainForm::ApplyDpiLayout() {
    DpiLayoutMetrics m = ComputeDpiLayout(Dpi());
    commands_.ApplyDpi(Dpi(), m, font_.get());
    sbMain_.ApplyDpi(Dpi(), font_.get());
    tvFormats_.SetItemHeight(m.treeItemHeight);
    preview_.SetCheckerCell(ScaleByDpi(kCheckerCell, Dpi()));
    LayoutControls();
}

void TMainForm::miMainMeasureItem(MEASUREITEMSTRUCT& item) {
    std::optional<int> height = MenuItemHeightForFactor(Dpi() / 96.0);
    if (height) {
        item.itemHeight = static_cast<UINT>(*height);
    }
}

void TMainForm::OnDpiChanged(int previous) {
    const int pixelsPerInch = Dpi();
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
    tvFormats_.ApplyDpi(Dpi(), font_.get());
    preview_.Viewer().FollowDpi(pixelsPerInch);
    ApplyDpiLayout();
    previousFont.reset();
    // The window base moves the window to its new frame next, which lays the controls out.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

} // namespace tavrix::win32
