#include "app/DpiLayout.h"

#include "base/Dpi.h"
#include "base/SystemServices.h"

#include <cmath>

namespace tavrix {

int RoundHalfEven(double value) {
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff > 0.5) {
        return static_cast<int>(floor) + 1;
    }
    if (diff < 0.5) {
        return static_cast<int>(floor);
    }
    auto lower = static_cast<long long>(floor);
    return static_cast<int>(lower % 2 == 0 ? lower : lower + 1);
}

int ImageSizeForFactor(double factor) {
    if (factor > 1.5) {
        return 32;
    }
    if (factor > 1.0) {
        return 24;
    }
    return 16;
}

std::optional<int> MenuItemHeightForFactor(double factor) {
    if (factor == 1.0) {
        return std::nullopt;
    }
    return RoundHalfEven(factor * 22);
}

DpiLayoutMetrics ComputeDpiLayout(int pixelsPerInch) {
    double factor = pixelsPerInch / 96.0;
    DpiLayoutMetrics m;
    m.imageSize = ImageSizeForFactor(factor);
    m.toolbarBorder = ScaleByDpi(1, pixelsPerInch);
    m.toolbarHeight = ScaleByDpi(10, pixelsPerInch) + 19;
    m.statusHeight = ScaleByDpi(19, pixelsPerInch);
    m.treeItemHeight = ScaleByDpi(24, pixelsPerInch);
    m.menuItemHeight = MenuItemHeightForFactor(factor);
    return m;
}

} // namespace tavrix
