#include "base/win32/ScreenResolution.h"

#include "base/win32/WindowDC.h"

namespace tavrix::win32 {

namespace {
int ValidOr96(int value) {
    return value > 0 ? value : 96;
}
} // namespace

ScreenResolution ReadScreenResolution() {
    const WindowDC screen = scoped::GetDC(nullptr);
    if (screen.get() == nullptr) {
        return {};
    }
    return {.horizontal = ValidOr96(GetDeviceCaps(screen.get(), LOGPIXELSX)),
            .vertical = ValidOr96(GetDeviceCaps(screen.get(), LOGPIXELSY))};
}

} // namespace tavrix::win32
