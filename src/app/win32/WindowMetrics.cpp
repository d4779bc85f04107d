#include "app/win32/WindowMetrics.h"

#include "app/win32/MainFormDesign.h"
#include "base/Dpi.h"

#include <cmath>

namespace tavrix::win32 {

using namespace design;

namespace {

Font ControlFont(int pixelsPerInch) {
    // Tahoma 8 points: -11 pixels at 96 pixels per inch.
    return Font(CreateFontW(-static_cast<int>(std::lround(kFontPoints * pixelsPerInch / 72.0)), 0,
                            0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, L"Tahoma"));
}

} // namespace

void WindowMetrics::Design(int pixelsPerInch) {
    treeWidth = ScaleByDpi(kTreeWidth, pixelsPerInch);
    margin = ScaleByDpi(kMargin, pixelsPerInch);
    splitterWidth = ScaleByDpi(kSplitterWidth, pixelsPerInch);
    font = ControlFont(pixelsPerInch);
}

Font WindowMetrics::Follow(int previous, int pixelsPerInch) {
    treeWidth = treeWidth == ScaleByDpi(kTreeWidth, previous)
                    ? ScaleByDpi(kTreeWidth, pixelsPerInch)
                    : MulDiv(treeWidth, pixelsPerInch, previous);
    margin = ScaleByDpi(kMargin, pixelsPerInch);
    splitterWidth = ScaleByDpi(kSplitterWidth, pixelsPerInch);
    Font previousFont = std::move(font);
    font = ControlFont(pixelsPerInch);
    return previousFont;
}

} // namespace tavrix::win32
