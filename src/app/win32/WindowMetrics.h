#pragma once
// The main window's sizes and its controls' font at the resolution the window follows: the
// screen's at creation, later the window's own.
#include "app/win32/MainFormDesign.h"
#include "base/win32/GdiObjects.h"

namespace tavrix::win32 {

struct WindowMetrics {
    int treeWidth = design::kTreeWidth;
    int margin = design::kMargin;
    int splitterWidth = design::kSplitterWidth;
    Font font;

    // The designed sizes and font at a resolution.
    void Design(int pixelsPerInch);
    // A move to a screen of another resolution: the tree keeps the width the user gave it, in
    // the new resolution's pixels (at the designed width exactly the designed one scaled). The
    // previous font comes back, for the controls to let go of before it goes.
    Font Follow(int previousPixelsPerInch, int pixelsPerInch);
};

} // namespace tavrix::win32
