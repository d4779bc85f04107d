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
    options.textWidth = std::clamp(options.textWidth, 2, kMaxLineLength);
    options.textWidthHex = ClampHexWidth(options.textWidthHex);
    options.textWidthUHex = ClampHexWidth(options.textWidthUHex);
    options.textGutterLinesStep = std::clamp(options.textGutterLinesStep, 1, 10);
    options.textGutterLinesCount = std::clamp(options.textGutterLinesCount, 10, 100000);
    options.textGutterLinesBufSize = std::clamp(options.textGutterLinesBufSize, 1024, 20971520);
    options.textSearchIndentVert = std::clamp(options.textSearchIndentVert, 0, 80);
    options.textSearchIndentHorz = std::clamp(options.textSearchIndentHorz, 0, 80);
    options.textTabSize = std::clamp(options.textTabSize, 2, 16);
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

void TZorvBinHex::SetMode(ViewerMode mode) {
    options_.mode = mode;
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
    if (now.textWidthFitHex && !next.textWidthFitHex && next.textWidthHex == now.textWidthHex) {
        next.textWidthHex = kDefaultTextWidthHex;
    }
    if (now.textWidthFitUHex && !next.textWidthFitUHex && next.textWidthUHex == now.textWidthUHex) {
        next.textWidthUHex = kDefaultTextWidthUHex;
    }
    ClampOptions(next);
    // These change what the screen shows at once; everything else waits for the next drawing.
    const bool redraw = next.textEncoding != now.textEncoding || next.textWrap != now.textWrap ||
                        next.textNonPrintable != now.textNonPrintable ||
                        next.textOemSpecial != now.textOemSpecial ||
                        next.textUrlHilight != now.textUrlHilight;
    if (next.textWrap && !now.textWrap) {
        hViewPos_ = 0;
    }
    const ViewerMode mode = next.mode;
    const bool modeChanged = mode != now.mode;
    next.mode = now.mode;
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
