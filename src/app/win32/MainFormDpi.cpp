// The main window's sizes for a resolution: at creation the screen's, later the window's own
// whenever it moves to a screen of another resolution.
#include "app/DpiLayout.h"
#include "app/win32/MainForm.h"
#include "app/win32/MainFormDesign.h"
#include "base/Dpi.h"

namespace tavrix::win32 {

using namespace design;

void TMainForm::ApplyDpiLayout() {
    const int pixelsPerInch = metrics_.pixelsPerInch;
    DpiLayoutMetrics m = ComputeDpiLayout(pixelsPerInch);
    commands_.ApplyDpi(pixelsPerInch, m, metrics_.font.get());
    sbMain_.ApplyDpi(pixelsPerInch, metrics_.font.get());
    tvFormats_.SetItemHeight(m.treeItemHeight);
    preview_.SetCheckerCell(ScaleByDpi(kCheckerCell, pixelsPerInch));
    LayoutControls();
}

void TMainForm::FollowDpiChange(int pixelsPerInch, const RECT& suggested) {
    if (pixelsPerInch <= 0) {
        return;
    }
    // The controls take the new font before the old one goes.
    Font previousFont = metrics_.Follow(pixelsPerInch);
    tvFormats_.ApplyDpi(pixelsPerInch, metrics_.font.get());
    preview_.Viewer().SetPixelsPerInch(pixelsPerInch);
    ApplyDpiLayout();
    previousFont.reset();

    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutControls();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

} // namespace tavrix::win32
