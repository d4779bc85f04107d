#pragma once
// The mouse wheel. A classic wheel reports 120 units per notch; high-resolution wheels and
// touchpads report smaller deltas, so the viewer accumulates them and scrolls as soon as a whole
// line (or pixel, or font step) has built up, keeping the rest for the next message.
#include "viewer/ViewerKeys.h"

namespace tavrix {

inline constexpr int kWheelDelta = 120;
// The system's wheel setting that asks for one page per notch instead of lines.
inline constexpr int kWheelScrollPage = -1;

enum class WheelAction {
    None,
    LinesUp,     // ScrollLineUp(Count)
    LinesDown,   // ScrollLineDown(Count)
    PagesUp,     // ScrollPageUp, Count times
    PagesDown,   // ScrollPageDown, Count times
    ScrollLeft,  // ScrollLeft(Count pixels)
    ScrollRight, // ScrollRight(Count pixels)
    FontLarger,  // Count font steps
    FontSmaller,
};

struct WheelStep {
    WheelAction action = WheelAction::None;
    int count = 0;
    bool operator==(const WheelStep&) const = default;
};

class WheelAccumulator {
public:
    // A vertical wheel message: delta > 0 turns away from the user. scrollLines is the system's
    // lines per notch (0: the wheel does not scroll; kWheelScrollPage: a page per notch).
    WheelStep Vertical(int delta, unsigned modifiers, int scrollLines);
    // A horizontal wheel or tilt message: delta > 0 moves right. Modifiers are ignored.
    WheelStep Horizontal(int delta);
    // Forgets a partial step, e.g. when the control loses the focus.
    void Reset();

private:
    enum class Kind { None, Lines, Pages, Pixels, Font };
    // Adds delta × unitsPerNotch to the remainder of kind and returns the whole units gained.
    int Accumulate(Kind kind, int delta, int unitsPerNotch);

    Kind kind_ = Kind::None;
    long long remainder_ = 0;
};

} // namespace tavrix
