// Moving the view: line, page and end steps, the thumb, horizontal scrolling, the scroll-bar
// messages and the reaction to a change of size.
#include "viewer/ScrollBarMath.h"
#include "viewer/ViewerKeys.h"
#include "viewer/ZorvBinHex.h"

#include <algorithm>
#include <climits>

namespace tavrix {

void TZorvBinHex::SetViewPos(std::int64_t pos) {
    if (pos == viewPos_ || pos < 0) {
        return;
    }
    const std::int64_t lineSize = LineSize();
    const std::int64_t p = std::min(pos, document_.LastPos());
    viewPos_ = p - p % lineSize;
    ReadBuffer(viewPos_);
    Redraw();
}

void TZorvBinHex::ScrollLineUp(int n) {
    if (IsTextMode(options_.mode)) {
        MoveViewByLines(n, ScanDir::Backward, false, viewPos_, true);
        return;
    }
    const std::int64_t bytes = static_cast<std::int64_t>(n) * LineSize();
    if (viewPos_ < bytes) {
        ScrollToBegin();
    } else {
        SetViewPos(viewPos_ - bytes);
    }
}

void TZorvBinHex::ScrollLineDown(int n) {
    if (IsTextMode(options_.mode)) {
        if (!viewAtEnd_) {
            MoveViewByLines(n, ScanDir::Forward, false, viewPos_, true);
        }
        return;
    }
    // A step is not limited to the last page start: the last page may show fewer lines.
    if (viewPos_ < LastPageStart()) {
        SetViewPos(viewPos_ + static_cast<std::int64_t>(n) * LineSize());
    }
}

void TZorvBinHex::ScrollPageUp() {
    ScrollLineUp(linesCount_);
}

void TZorvBinHex::ScrollPageDown() {
    ScrollLineDown(linesCount_);
}

void TZorvBinHex::ScrollToBegin() {
    hViewPos_ = 0;
    viewPos_ = 0;
    ReadBuffer(0);
    Redraw();
}

void TZorvBinHex::ScrollToEnd() {
    hViewPos_ = 0;
    // The window may have changed size since the last drawing (a resize goes to the end before
    // it redraws), so count the lines that fit now.
    linesCount_ = ComputeLinesCount(surface_.ClientHeight());
    // The line count of a screen is only known after drawing it; when a wrapped or cut line
    // changed it, the first attempt stops short of the end and the second one gets there.
    for (int pass = 0; pass < 2; ++pass) {
        if (IsTextMode(options_.mode)) {
            MoveViewByLines(linesCount_, ScanDir::Backward, false, document_.Size(), true);
        } else {
            viewPos_ = LastPageStart();
            ReadBuffer(viewPos_);
            Redraw();
        }
        if (viewAtEnd_) {
            break;
        }
    }
}

void TZorvBinHex::ScrollToPos(std::int64_t pos) {
    if (pos <= 0) {
        ScrollToBegin();
    } else if (pos >= document_.LastPos()) {
        ScrollToEnd();
    } else if (IsTextMode(options_.mode)) {
        MoveViewByLines(1, ScanDir::Backward, true, pos, true);
    } else {
        SetViewPos(pos);
    }
}

int TZorvBinHex::MaxHViewPos() {
    return tavrix::MaxHViewPos(MaxLineRight(), surface_.ClientWidth());
}

void TZorvBinHex::SetHViewPos(int x, bool redraw) {
    x = std::clamp(x, 0, MaxHViewPos());
    if (x != hViewPos_) {
        hViewPos_ = x;
        if (redraw) {
            Redraw();
        }
    }
}

void TZorvBinHex::ScrollLeft(int pixels) {
    SetHViewPos(static_cast<int>(
                    std::max<std::int64_t>(static_cast<std::int64_t>(hViewPos_) - pixels, INT_MIN)),
                true);
}

void TZorvBinHex::ScrollRight(int pixels) {
    SetHViewPos(static_cast<int>(
                    std::min<std::int64_t>(static_cast<std::int64_t>(hViewPos_) + pixels, INT_MAX)),
                true);
}

void TZorvBinHex::VertScrollMessage(int request, int thumbPos) {
    switch (request) {
    case kSbLineUp:
        ScrollLineUp(1);
        break;
    case kSbLineDown:
        ScrollLineDown(1);
        break;
    case kSbPageUp:
        ScrollPageUp();
        break;
    case kSbPageDown:
        ScrollPageDown();
        break;
    case kSbTop:
        ScrollToBegin();
        break;
    case kSbBottom:
        ScrollToEnd();
        break;
    case kSbThumbPosition:
    case kSbThumbTrack: {
        const std::int64_t pos = ThumbToPos(document_.Size(), LineSize(), thumbPos);
        // Dragging further down while the end is shown would only pull the last line up.
        if (!(viewAtEnd_ && pos >= viewPos_)) {
            ScrollToPos(pos);
        }
        break;
    }
    default:
        break;
    }
}

void TZorvBinHex::HorzScrollMessage(int request, int thumbPos) {
    switch (request) {
    case kSbLineUp:
        ScrollLeft(kKeyScrollPixels);
        break;
    case kSbLineDown:
        ScrollRight(kKeyScrollPixels);
        break;
    case kSbPageUp:
        ScrollLeft(surface_.ClientWidth());
        break;
    case kSbPageDown:
        ScrollRight(surface_.ClientWidth());
        break;
    case kSbTop:
        SetHViewPos(0, true);
        break;
    case kSbBottom:
        SetHViewPos(INT_MAX, true);
        break;
    case kSbThumbPosition:
    case kSbThumbTrack:
        SetHViewPos(thumbPos, true);
        break;
    default:
        break;
    }
}

void TZorvBinHex::Resize() {
    const int height = surface_.ClientHeight();
    if (height > lastClientHeight_ && viewAtEnd_) {
        ScrollToEnd();
    }
    lastClientHeight_ = height;
    Redraw();
}

} // namespace tavrix
