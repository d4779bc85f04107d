#include "viewer/MouseSelection.h"

#include <algorithm>

namespace tavrix {

void MouseSelection::LeftPress(MouseSelectionHost& host, int x, int y, bool shiftOnly,
                               std::uint32_t now, std::uint32_t doubleClickTime) {
    const std::int64_t p = host.PosFromCoord(x, y, false);
    if (shiftOnly) {
        // Before any plain press the selection is anchored at the start of the data.
        const std::int64_t anchor = std::max<std::int64_t>(mouseStartShift, 0);
        if (p >= 0) {
            host.SetSelection(std::min(anchor, p), p > anchor ? p - anchor : anchor - p, false,
                              true, true);
        }
        return;
    }
    if (mouseTriClick && static_cast<std::uint32_t>(now - mouseTriTime) <= doubleClickTime) {
        mouseDblClick = false;
        mouseTriClick = false;
        mouseTriTime = 0;
        host.SelectLineAround(mouseStartDbl);
    } else if (mouseDblClick) {
        mouseDblClick = false;
        mouseTriClick = true;
        mouseTriTime = now;
    } else {
        host.SelectNone(false);
    }
    mouseSelecting = true;
    mouseStart = p;
    mouseStartShift = p;
    mouseStartDbl = p - host.CharSize();
    mouseDblClick = false;
}

void MouseSelection::DoubleClick(MouseSelectionHost& host) {
    if (mouseStartDbl < 0) {
        return;
    }
    mouseDblClick = true;
    mouseTriClick = false;
    mouseTriTime = 0;
    host.SelectWordAround(mouseStartDbl);
}

bool MouseSelection::Move(MouseSelectionHost& host, int x, int y, int clientWidth, int clientHeight,
                          int leftMargin) {
    if (mouseSelecting) {
        if (y <= 0) {
            autoScrollDir = AutoScrollDirection::Up;
        } else if (y >= clientHeight - 1) {
            autoScrollDir = AutoScrollDirection::Down;
        } else if (x <= leftMargin) {
            autoScrollDir = AutoScrollDirection::Left;
        } else if (x >= clientWidth - 1) {
            autoScrollDir = AutoScrollDirection::Right;
        } else {
            autoScrollDir = AutoScrollDirection::None;
            SelectTo(host, x, y);
            return false;
        }
    }
    return mouseSelecting;
}

void MouseSelection::TimerTick(MouseSelectionHost& host, int clientWidth, int clientHeight,
                               int cursorY) {
    switch (autoScrollDir) {
    case AutoScrollDirection::Up:
        host.ScrollLineUp(1);
        SelectTo(host, 0, -1);
        break;
    case AutoScrollDirection::Down:
        host.ScrollLineDown(1);
        SelectTo(host, 0, clientHeight + 1);
        break;
    case AutoScrollDirection::Left:
        host.ScrollLeft(kAutoScrollPixels);
        SelectTo(host, -1, cursorY);
        break;
    case AutoScrollDirection::Right:
        host.ScrollRight(kAutoScrollPixels);
        SelectTo(host, clientWidth + 1, cursorY);
        break;
    case AutoScrollDirection::None:
        break;
    }
}

void MouseSelection::LeftRelease(MouseSelectionHost& host, int x, int y) {
    const std::int64_t p = host.PosFromCoord(x, y, false);
    if (p == mouseStart && mouseStart >= 0) {
        host.ClickLink(mouseStart);
    }
    mouseSelecting = false;
    mouseStart = -1;
    autoScrollDir = AutoScrollDirection::None;
    host.SelectionChanged();
}

void MouseSelection::SelectTo(MouseSelectionHost& host, int x, int y) {
    if (mouseStart < 0) {
        return;
    }
    const std::int64_t p = host.PosFromCoord(x, y, false);
    if (p < 0) {
        return;
    }
    host.SetSelection(std::min(mouseStart, p), p > mouseStart ? p - mouseStart : mouseStart - p,
                      false, false, true);
}

} // namespace tavrix
