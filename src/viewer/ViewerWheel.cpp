#include "viewer/ViewerWheel.h"

namespace tavrix {

int WheelAccumulator::Accumulate(Kind kind, int delta, int unitsPerNotch) {
    // A new kind of step or a turn of direction starts afresh: a remainder collected while the
    // wheel went one way must not swallow the first movement the other way.
    const long long add = static_cast<long long>(delta) * unitsPerNotch;
    if (kind != kind_ || (remainder_ > 0 && add < 0) || (remainder_ < 0 && add > 0)) {
        kind_ = kind;
        remainder_ = 0;
    }
    remainder_ += add;
    const long long whole = remainder_ / kWheelDelta;
    remainder_ -= whole * kWheelDelta;
    return static_cast<int>(whole);
}

void WheelAccumulator::Reset() {
    kind_ = Kind::None;
    remainder_ = 0;
}

WheelStep WheelAccumulator::Vertical(int delta, unsigned modifiers, int scrollLines) {
    const unsigned held = modifiers & (kModShift | kModCtrl | kModAlt);
    if (held == kModNone) {
        if (scrollLines == kWheelScrollPage) {
            const int pages = Accumulate(Kind::Pages, delta, 1);
            return pages > 0   ? WheelStep{WheelAction::PagesUp, pages}
                   : pages < 0 ? WheelStep{WheelAction::PagesDown, -pages}
                               : WheelStep{};
        }
        if (scrollLines <= 0) {
            return {};
        }
        const int lines = Accumulate(Kind::Lines, delta, scrollLines);
        return lines > 0   ? WheelStep{WheelAction::LinesUp, lines}
               : lines < 0 ? WheelStep{WheelAction::LinesDown, -lines}
                           : WheelStep{};
    }
    if (held == kModShift) {
        // Turning the wheel up moves the view to the left.
        return Horizontal(-delta);
    }
    if (held == kModCtrl) {
        const int steps = Accumulate(Kind::Font, delta, 1);
        return steps > 0   ? WheelStep{WheelAction::FontLarger, steps}
               : steps < 0 ? WheelStep{WheelAction::FontSmaller, -steps}
                           : WheelStep{};
    }
    return {};
}

WheelStep WheelAccumulator::Horizontal(int delta) {
    const int pixels = Accumulate(Kind::Pixels, delta, kKeyScrollPixels);
    return pixels > 0   ? WheelStep{WheelAction::ScrollRight, pixels}
           : pixels < 0 ? WheelStep{WheelAction::ScrollLeft, -pixels}
                        : WheelStep{};
}

} // namespace tavrix
