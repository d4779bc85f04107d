// The main window's sizes for its resolution, at creation and whenever it moves to a screen of
// another resolution.
#include "app/DpiLayout.h"
#include "app/win32/MainForm.h"
#include "app/win32/MainFormDesign.h"
#include "base/Dpi.h"

namespace tavrix::win32 {

using namespace design;

void TMainForm::ApplyDpiLayout() {
    const int pixelsPerInch = Dpi();
    DpiLayoutMetrics m = ComputeDpiLayout(pixelsPerInch);
    commands_.ApplyDpi(pixelsPerInch, m, metrics_.font.get());
    sbMain_.ApplyDpi(pixelsPerInch, metrics_.font.get());
    tvFormats_.SetItemHeight(m.treeItemHeight);
    preview_.SetCheckerCell(ScaleByDpi(kCheckerCell, pixelsPerInch));
    LayoutControls();
}

void TMainForm::OnDpiChanged(int previous) {
    const int pixelsPerInch = Dpi();
    // The controls take the new font before the old one goes.
    Font previousFont = metrics_.Follow(previous, pixelsPerInch);
    tvFormats_.ApplyDpi(pixelsPerInch, metrics_.font.get());
    preview_.Viewer().FollowDpi(pixelsPerInch);
    ApplyDpiLayout();
    previousFont.reset();
    // The window base moves the window to its new frame next, which lays the controls out.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

} // namespace tavrix::win32
