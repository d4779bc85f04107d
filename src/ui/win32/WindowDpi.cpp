#include "ui/win32/WindowDpi.h"

#include "base/SystemPlatform.h"
#include "base/win32/LibraryOnFirstUse.h"
#include "base/win32/ScreenResolution.h"

namespace tavrix::win32 {

namespace {
constexpr const wchar_t* kUser = L"user32.dll";
} // namespace

int ScreenDpi() {
    return SystemPlatformInstalled() ? CurrentSystemPlatform().ScreenPixelsPerInch()
                                     : ReadScreenResolution().vertical;
}

int ReadWindowDpi(HWND window) {
    using DpiOfWindow = UINT(WINAPI*)(HWND);
    using DpiOfSystem = UINT(WINAPI*)();
    const auto ofWindow = RoutineIfPresent<DpiOfWindow>(kUser, "GetDpiForWindow");
    const auto ofSystem = RoutineIfPresent<DpiOfSystem>(kUser, "GetDpiForSystem");
    if (window != nullptr && ofWindow != nullptr && ofSystem != nullptr) {
        // On a screen of the system's resolution every size agrees with the one screen reading
        // the pictures and fonts are made for.
        const UINT own = ofWindow(window);
        if (own != 0 && own != ofSystem()) {
            return static_cast<int>(own);
        }
    }
    return ScreenDpi();
}

RECT FrameForClient(int width, int height, DWORD style, DWORD exStyle, bool menu, int dpi) {
    RECT frame{.left = 0, .top = 0, .right = width, .bottom = height};
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjust = RoutineIfPresent<AdjustForDpi>(kUser, "AdjustWindowRectExForDpi");
    if (adjust == nullptr ||
        !adjust(&frame, style, menu ? TRUE : FALSE, exStyle, static_cast<UINT>(dpi))) {
        frame = RECT{.left = 0, .top = 0, .right = width, .bottom = height};
        AdjustWindowRectEx(&frame, style, menu ? TRUE : FALSE, exStyle);
    }
    return frame;
}

} // namespace tavrix::win32
