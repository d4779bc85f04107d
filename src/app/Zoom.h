#pragma once
// The zoom steps of the picture view (percent) and of the viewer's font (points).
#include <cstdint>

namespace tavrix {

inline constexpr int kMinImageZoom = 25;
inline constexpr int kMaxImageZoom = 1600;
inline constexpr int kMinViewerFontSize = 4;
inline constexpr int kMaxViewerFontSize = 144;

// A stored picture zoom brought into 25 ... 1600.
int ClampImageZoom(int zoom);
// Halving (truncated toward zero) and doubling, kept within 25 ... 1600.
int ImageZoomOut(int zoom);
int ImageZoomIn(int zoom);
// One point down or up, kept within 4 ... 144.
int ViewerFontZoomOut(int points);
int ViewerFontZoomIn(int points);

// One side of the picture on screen: natural × zoom / 100, truncated toward zero. The product
// is taken in 64 bits so that huge pictures at high zoom do not wrap; the result is kept within
// the range of a window size.
int ZoomedSide(int natural, int zoom);

} // namespace tavrix
