// Construction and the published properties: defaults, clamps and which setters redraw.
#include "viewer/ZorvBinHex.h"

#include <algorithm>

namespace tavrix {

namespace {

// Hexadecimal widths go in steps of 4 cells, within 2 and the mode's maximum.
int ClampHexWidth(int value) {
    value = std::clamp(value, 2, kMaxLineLength);
    value -= value % 4;
    return std::max(value, 2);
}

} // namespace

TZorvBinHex::TZorvBinHex(ViewerSurface& surface) : surface_(surface) {
    font_ = ViewerFont{L"Courier New", 10, kColorWindowText, kDefaultCharset};
    fontOem_ = ViewerFont{L"Terminal", 9, kColorWindowText, kOemCharset};
    fontFooter_ = ViewerFont{L"Arial", 9, kColorBlack, kDefaultCharset};
    fontGutter_ = ViewerFont{L"Courier New", 9, kColorBlack, kDefaultCharset};
}

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
    // Always reopens, also for the mode already set: the host refills its one stream and
    // relies on this to show the new content.
    mode_ = mode;
    if (panMode_) {
        panMode_ = false;
        surface_.SetTimerActive(ViewerTimer::Pan, false);
    }
    Reopen();
    if (HasSource()) {
        Redraw();
    }
}

void TZorvBinHex::SetTextEncoding(TZorvEncoding encoding) {
    if (textEncoding_ != encoding) {
        textEncoding_ = encoding;
        Redraw();
    }
}

void TZorvBinHex::SetTextWidth(int value) {
    textWidth_ = std::clamp(value, 2, kMaxLineLength);
}

void TZorvBinHex::SetTextWidthHex(int value) {
    textWidthHex_ = ClampHexWidth(value);
}

void TZorvBinHex::SetTextWidthUHex(int value) {
    textWidthUHex_ = ClampHexWidth(value);
}

void TZorvBinHex::SetTextWidthFitHex(bool value) {
    if (textWidthFitHex_ != value) {
        textWidthFitHex_ = value;
        if (!value) {
            SetTextWidthHex(16);
        }
    }
}

void TZorvBinHex::SetTextWidthFitUHex(bool value) {
    if (textWidthFitUHex_ != value) {
        textWidthFitUHex_ = value;
        if (!value) {
            SetTextWidthUHex(8);
        }
    }
}

void TZorvBinHex::SetTextWrap(bool value) {
    if (textWrap_ != value) {
        textWrap_ = value;
        if (value) {
            hViewPos_ = 0;
        }
        Redraw();
    }
}

void TZorvBinHex::SetTextNonPrintable(bool value) {
    if (textNonPrintable_ != value) {
        textNonPrintable_ = value;
        Redraw();
    }
}

void TZorvBinHex::SetTextOemSpecial(bool value) {
    if (textOemSpecial_ != value) {
        textOemSpecial_ = value;
        Redraw();
    }
}

void TZorvBinHex::SetTextUrlHilight(bool value) {
    if (textUrlHilight_ != value) {
        textUrlHilight_ = value;
        Redraw();
    }
}

void TZorvBinHex::SetTextGutterLinesStep(int value) {
    textGutterLinesStep_ = std::clamp(value, 1, 10);
}

void TZorvBinHex::SetTextGutterLinesCount(int value) {
    textGutterLinesCount_ = std::clamp(value, 10, 100000);
}

void TZorvBinHex::SetTextGutterLinesBufSize(int value) {
    textGutterLinesBufSize_ = std::clamp(value, 1024, 20971520);
}

void TZorvBinHex::SetTextSearchIndentVert(int value) {
    textSearchIndentVert_ = std::clamp(value, 0, 80);
}

void TZorvBinHex::SetTextSearchIndentHorz(int value) {
    textSearchIndentHorz_ = std::clamp(value, 0, 80);
}

void TZorvBinHex::SetTextTabSize(int value) {
    textTabSize_ = std::clamp(value, 2, 16);
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
