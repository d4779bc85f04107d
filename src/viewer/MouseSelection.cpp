#include "viewer/MouseSelection.h"

#include <algorithm>

namespace tavrix {

void TMouseSelection::LeftPress(MouseSelectionHost& host, int x, int y, bool shiftOnly,
                                std::uint32_t now, std::uint32_t doubleClickTime) {
    const std::int64_t p = host.PosFromCoord(x, y, false);
    if (shiftOnly) {
        // Before any plain press the selection is anchored at the start of the data.
        const std::int64_t anchor = std::max<std::int64_t>(MouseStartShift, 0);
        if (p >= 0) {
            host.SetSelection(std::min(anchor, p), p > anchor ? p - anchor : anchor - p, false,
                              true, true);
        }
        return;
    }
    if (MouseTriClick && static_cast<std::uint32_t>(now - MouseTriTime) <= doubleClickTime) {
        MouseDblClick = false;
        MouseTriClick = false;
        MouseTriTime = 0;
        host.SelectLineAround(MouseStartDbl);
    } else if (MouseDblClick) {
        MouseDblClick = false;
        MouseTriClick = true;
        MouseTriTime = now;
    } else {
        host.SelectNone(false);
    }
    MouseSelecting = true;
    MouseStart = p;
    MouseStartShift = p;
    MouseStartDbl = p - host.CharSize();
    MouseDblClick = false;
}

void TMouseSelection::DoubleClick(MouseSelectionHost& host) {
    if (MouseStartDbl < 0) {
        return;
    }
    MouseDblClick = true;
    MouseTriClick = false;
    MouseTriTime = 0;
    host.SelectWordAround(MouseStartDbl);
}

bool TMouseSelection::Move(MouseSelectionHost& host, int x, int y, int clientWidth,
                           int clientHeight, int leftMargin) {
    if (MouseSelecting) {
        if (y <= 0) {
            AutoScrollDir = TAutoScrollDir::Up;
        } else if (y >= clientHeight - 1) {
            AutoScrollDir = TAutoScrollDir::Down;
        } else if (x <= leftMargin) {
            AutoScrollDir = TAutoScrollDir::Left;
        } else if (x >= clientWidth - 1) {
            AutoScrollDir = TAutoScrollDir::Right;
        } else {
            AutoScrollDir = TAutoScrollDir::None;
            SelectTo(host, x, y);
            return false;
        }
    }
    return MouseSelecting;
}

void TMouseSelection::TimerTick(MouseSelectionHost& host, int clientWidth, int clientHeight,
                                int cursorY) {
    switch (AutoScrollDir) {
    case TAutoScrollDir::Up:
        host.ScrollLineUp(1);
        SelectTo(host, 0, -1);
        break;
    case TAutoScrollDir::Down:
        host.ScrollLineDown(1);
        SelectTo(host, 0, clientHeight + 1);
        break;
    case TAutoScrollDir::Left:
        host.ScrollLeft(kAutoScrollPixels);
        SelectTo(host, -1, cursorY);
        break;
    case TAutoScrollDir::Right:
        host.ScrollRight(kAutoScrollPixels);
        SelectTo(host, clientWidth + 1, cursorY);
        break;
    case TAutoScrollDir::None:
        break;
    }
}

void TMouseSelection::LeftRelease(MouseSelectionHost& host, int x, int y) {
    const std::int64_t p = host.PosFromCoord(x, y, false);
    if (p == MouseStart && MouseStart >= 0) {
        host.ClickLink(MouseStart);
    }
    MouseSelecting = false;
    MouseStart = -1;
    AutoScrollDir = TAutoScrollDir::None;
    host.SelectionChanged();
}

void TMouseSelection::SelectTo(MouseSelectionHost& host, int x, int y) {
    if (MouseStart < 0) {
        return;
    }
    const std::int64_t p = host.PosFromCoord(x, y, false);
    if (p < 0) {
        return;
    }
    host.SetSelection(std::min(MouseStart, p), p > MouseStart ? p - MouseStart : MouseStart - p,
                      false, false, true);
}

} // namespace tavrix
