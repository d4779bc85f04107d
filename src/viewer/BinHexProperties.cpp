// Construction and the options: their ranges, which changes redraw, and pan mode's switch.
#include "viewer/ZorvBinHex.h"

#include <algorithm>

namespace tavrix {

int ClampHexWidth(int value) {
    value = std::clamp(value, 2, kMaxLineLength);
    value -= value % 4;
    return std::max(value, 2);
}

void ClampOptions(BinHexOptions& options) {
    options.TextWidth = std::clamp(options.TextWidth, 2, kMaxLineLength);
    options.TextWidthHex = ClampHexWidth(options.TextWidthHex);
    options.TextWidthUHex = ClampHexWidth(options.TextWidthUHex);
    options.TextGutterLinesStep = std::clamp(options.TextGutterLinesStep, 1, 10);
    options.TextGutterLinesCount = std::clamp(options.TextGutterLinesCount, 10, 100000);
    options.TextGutterLinesBufSize = std::clamp(options.TextGutterLinesBufSize, 1024, 20971520);
    options.TextSearchIndentVert = std::clamp(options.TextSearchIndentVert, 0, 80);
    options.TextSearchIndentHorz = std::clamp(options.TextSearchIndentHorz, 0, 80);
    options.TextTabSize = std::clamp(options.TextTabSize, 2, 16);
}

TZorvBinHex::TZorvBinHex(ViewerSurface& surface) : surface_(surface) {}

TZorvBinHex::~TZorvBinHex() {
    CloseSource();
}

void TZorvBinHex::SetEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        Redraw();
    }
}

void TZorvBinHex::SetMode(TZorvBinHexMode mode) {
    options_.Mode = mode;
    if (panMode_) {
        panMode_ = false;
        surface_.SetTimerActive(ViewerTimer::Pan, false);
    }
    Reopen();
    if (document_.IsOpen()) {
        Redraw();
    }
}

void TZorvBinHex::SetOptions(const BinHexOptions& options) {
    BinHexOptions next = options; // options may be options_ itself
    const BinHexOptions& now = options_;
    if (now.TextWidthFitHex && !next.TextWidthFitHex && next.TextWidthHex == now.TextWidthHex) {
        next.TextWidthHex = kDefaultTextWidthHex;
    }
    if (now.TextWidthFitUHex && !next.TextWidthFitUHex && next.TextWidthUHex == now.TextWidthUHex) {
        next.TextWidthUHex = kDefaultTextWidthUHex;
    }
    ClampOptions(next);
    // These change what the screen shows at once; everything else waits for the next drawing.
    const bool redraw = next.TextEncoding != now.TextEncoding || next.TextWrap != now.TextWrap ||
                        next.TextNonPrintable != now.TextNonPrintable ||
                        next.TextOemSpecial != now.TextOemSpecial ||
                        next.TextUrlHilight != now.TextUrlHilight;
    if (next.TextWrap && !now.TextWrap) {
        hViewPos_ = 0;
    }
    const TZorvBinHexMode mode = next.Mode;
    const bool modeChanged = mode != now.Mode;
    next.Mode = now.Mode;
    options_ = std::move(next);
    if (modeChanged) {
        SetMode(mode);
    }
    if (redraw && !(modeChanged && document_.IsOpen())) {
        Redraw();
    }
}

void TZorvBinHex::EnterPanMode(Point origin) {
    panOrigin_ = origin;
    panMode_ = true;
    surface_.SetTimerActive(ViewerTimer::Pan, true);
    Redraw();
}

void TZorvBinHex::LeavePanMode() {
    if (panMode_) {
        panMode_ = false;
        surface_.SetTimerActive(ViewerTimer::Pan, false);
        Redraw();
    }
}

} // namespace tavrix
