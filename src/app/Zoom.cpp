#include "app/Zoom.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavrix {

int ClampImageZoom(int zoom) {
    return std::clamp(zoom, kMinImageZoom, kMaxImageZoom);
}

int ImageZoomOut(int zoom) {
    return std::max(zoom / 2, kMinImageZoom);
}

int ImageZoomIn(int zoom) {
    // Doubling can only overflow for values the commands never produce; stay safe anyway.
    if (zoom > kMaxImageZoom / 2) {
        return kMaxImageZoom;
    }
    return std::min(zoom * 2, kMaxImageZoom);
}

int ViewerFontZoomOut(int points) {
    return points <= kMinViewerFontSize ? kMinViewerFontSize : points - 1;
}

int ViewerFontZoomIn(int points) {
    return points >= kMaxViewerFontSize ? kMaxViewerFontSize : points + 1;
}

int ZoomedSide(int natural, int zoom) {
    double side =
        std::trunc(static_cast<double>(static_cast<std::int64_t>(natural) * zoom) / 100.0);
    constexpr double kLimit = std::numeric_limits<std::int32_t>::max() / 2;
    return static_cast<int>(std::clamp(side, -kLimit, kLimit));
}

} // namespace tavrix
