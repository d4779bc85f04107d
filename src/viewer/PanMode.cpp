#include "viewer/PanMode.h"

#include <cstdlib>

namespace tavrix {

PanStep PanStepFor(Point origin, Point cursor) {
    const long long dx = static_cast<long long>(cursor.x) - origin.x;
    const long long dy = static_cast<long long>(cursor.y) - origin.y;
    const long long ax = std::llabs(dx);
    const long long ay = std::llabs(dy);
    // Squares are only taken once both distances are small, so far points cannot overflow.
    if (ax <= kPanDeadZone && ay <= kPanDeadZone &&
        ax * ax + ay * ay <= static_cast<long long>(kPanDeadZone) * kPanDeadZone) {
        return {};
    }
    const int lines = static_cast<int>(ay / kPanPixelsPerStep);
    const int pixels = static_cast<int>(ax / kPanPixelsPerStep) * kPanHorizontalStep;
    if (dy <= 0 && ay >= ax) {
        return {crPanUp, PanMove::LinesUp, lines};
    }
    if (dy >= 0 && ay >= ax) {
        return {crPanDown, PanMove::LinesDown, lines};
    }
    if (dx >= 0) {
        return {crPanRight, PanMove::ScrollRight, pixels};
    }
    return {crPanLeft, PanMove::ScrollLeft, pixels};
}

} // namespace tavrix
