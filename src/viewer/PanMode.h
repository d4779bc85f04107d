#pragma once
// Panning with the middle mouse button: the press point becomes an anchor, and every 100 ms the
// view moves towards the pointer, faster the farther the pointer is from the anchor. Within a
// small circle around the anchor nothing moves.
#include "viewer/Canvas.h"

namespace tavrix {

// Cursor numbers of the pan cursors.
inline constexpr int crPanNeutral = -30;
inline constexpr int crPanUp = -31;
inline constexpr int crPanDown = -32;
inline constexpr int crPanLeft = -33;
inline constexpr int crPanRight = -34;

inline constexpr unsigned kPanTimerInterval = 100; // milliseconds
inline constexpr int kPanDeadZone = 16;            // pixels around the anchor that do nothing
inline constexpr int kPanPixelsPerStep = 16;       // pointer distance per line or 8 pixels
inline constexpr int kPanHorizontalStep = 8;       // pixels moved per kPanPixelsPerStep

enum class PanMove { None, LinesUp, LinesDown, ScrollLeft, ScrollRight };

struct PanStep {
    int cursor = crPanNeutral;
    PanMove move = PanMove::None;
    int amount = 0; // lines or pixels
    bool operator==(const PanStep&) const = default;
};

// What one tick of the pan timer does with the pointer at cursor (client coordinates).
PanStep PanStepFor(Point origin, Point cursor);

} // namespace tavrix
