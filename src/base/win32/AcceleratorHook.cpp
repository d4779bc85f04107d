#include "base/win32/AcceleratorHook.h"

namespace tavrix::win32 {

namespace {
AcceleratorHook& Installed() {
    static AcceleratorHook filter;
    return filter;
}
} // namespace

void SetAcceleratorHook(AcceleratorHook filter) {
    Installed() = std::move(filter);
}

bool RunAcceleratorHook(MSG& message) {
    return Installed() && Installed()(message);
}

} // namespace tavrix::win32
