#pragma once
// Selecting with the left mouse button: press, Shift-press, double-click (a word), a third press
// within the double-click time (the line), and dragging, with automatic scrolling while the
// pointer is held past an edge of the window.
#include "viewer/Canvas.h"

#include <cstdint>

namespace tavrix {

inline constexpr unsigned kSelectTimerInterval = 50; // milliseconds
inline constexpr int kAutoScrollPixels = 20;

enum class AutoScrollDirection : std::uint8_t { None, Up, Down, Left, Right };

// What mouse selection needs from the control.
class MouseSelectionHost {
public:
    virtual ~MouseSelectionHost() = default;
    virtual std::int64_t PosFromCoord(int x, int y, bool strict) = 0;
    virtual void SetSelection(std::int64_t start, std::int64_t length, bool scroll, bool notify,
                              bool redraw) = 0;
    virtual void SelectNone(bool notify) = 0;
    // Selects the word or the line (without its line break) around pos.
    virtual void SelectWordAround(std::int64_t pos) = 0;
    virtual void SelectLineAround(std::int64_t pos) = 0;
    virtual int CharSize() const = 0;
    virtual void ClickLink(std::int64_t pos) = 0;
    // A press, drag or release changed the selection.
    virtual void SelectionChanged() = 0;
    virtual void ScrollLineUp(int lines) = 0;
    virtual void ScrollLineDown(int lines) = 0;
    virtual void ScrollLeft(int pixels) = 0;
    virtual void ScrollRight(int pixels) = 0;
};

// The mouse state of the selection, in the control's declaration order, and what the mouse does
// with it. After Reset all positions are -1, the flags false, the tick 0 and the point (-1, -1).
class MouseSelection {
public:
    bool mouseSelecting = false;
    std::int64_t mouseStart = -1;      // position of the last left press
    std::int64_t mouseStartShift = -1; // anchor of Shift-click: the last plain left press
    std::int64_t mouseStartDbl = -1;   // one character before the last press
    bool mouseDblClick = false;        // a double-click has just selected a word
    bool mouseTriClick = false;        // waiting for a third press
    std::uint32_t mouseTriTime = 0;    // tick of the second press
    Point mousePopupPos{-1, -1};       // where the context menu was asked for
    AutoScrollDirection autoScrollDir = AutoScrollDirection::None;

    void Reset() { *this = MouseSelection(); }

    // Left button pressed at (x, y) with exactly Shift held or not; now and doubleClickTime in
    // milliseconds.
    void LeftPress(MouseSelectionHost& host, int x, int y, bool shiftOnly, std::uint32_t now,
                   std::uint32_t doubleClickTime);
    // The double-click notification that comes before the second press's LeftPress.
    void DoubleClick(MouseSelectionHost& host);
    // Pointer moved; answers whether the select timer must run.
    bool Move(MouseSelectionHost& host, int x, int y, int clientWidth, int clientHeight,
              int leftMargin);
    // One tick of the select timer; cursorY is the pointer's client y.
    void TimerTick(MouseSelectionHost& host, int clientWidth, int clientHeight, int cursorY);
    // Left button released: ends the drag (the select timer stops) and tells SelectionChanged.
    void LeftRelease(MouseSelectionHost& host, int x, int y);

private:
    void SelectTo(MouseSelectionHost& host, int x, int y);
};

} // namespace tavrix
