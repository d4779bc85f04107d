#pragma once
// What the main window adapts to the screen's resolution: the size of its pictures and a few
// heights, all from the pixels per inch.
#include <optional>

namespace tavrix {

// The nearest integer, an exact half going to the even neighbour (27.5 gives 28, 26.5 gives 26).
int RoundHalfEven(double value);

struct DpiLayoutMetrics {
    int imageSize = 16; // 16, 24 or 32 pixel pictures
    int toolbarBorder = 1;
    int toolbarHeight = 29;
    int statusHeight = 19;
    int treeItemHeight = 24;
    // Height of the measured menu items; none keeps the height the menu measures itself.
    std::optional<int> menuItemHeight;
};

// The picture size for a scaling factor (pixels per inch / 96), by strict comparisons: above
// 1.5 the 32-pixel pictures, above 1.0 the 24-pixel ones, otherwise 16 pixels.
int ImageSizeForFactor(double factor);
std::optional<int> MenuItemHeightForFactor(double factor);
DpiLayoutMetrics ComputeDpiLayout(int pixelsPerInch);

} // namespace tavrix
