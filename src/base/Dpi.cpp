#include "base/Dpi.h"

#include "base/SystemPlatform.h"

#include <cmath>

namespace tavrix {

double DpiFactor() {
    return CurrentSystemPlatform().ScreenPixelsPerInch() / 96.0;
}

int ScaleByDpi(int count) {
    return ScaleByDpi(count, CurrentSystemPlatform().ScreenPixelsPerInch());
}

int ScaleByDpi(int count, int pixelsPerInch) {
    if (pixelsPerInch == 96) {
        return count;
    }
    // nearbyint rounds an exact half to the even neighbour in the default rounding mode.
    return static_cast<int>(std::nearbyint(pixelsPerInch / 96.0 * count));
}

} // namespace tavrix
