#pragma once
// Windows that tests make and own, destroyed with the owner.
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::test {

struct TestWindowTraits {
    using Handle = HWND;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { DestroyWindow(handle); }
};

using TestWindow = win32::Unique<TestWindowTraits>;

// A hidden message-only window: a clipboard owner, or the parent of a control that is never
// shown. Under Wine, opens without a window count as one opener in every process, so only an
// open with a window keeps another program out and can be seen through GetOpenClipboardWindow.
inline TestWindow MessageOnlyWindow(const wchar_t* title = L"test owner") {
    return TestWindow(CreateWindowExW(0, L"STATIC", title, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
}

// A top-level window with default processing only, for tests that need a parent on the screen.
// Top-level windows need a display (run under xvfb-run); without one the owner holds nothing.
inline TestWindow TopLevelWindow(DWORD style = WS_POPUP, RECT bounds = {0, 0, 640, 400},
                                 const wchar_t* title = L"test host") {
    const WNDCLASSW wc{
        .style = 0,
        .lpfnWndProc = DefWindowProcW,
        .cbClsExtra = 0,
        .cbWndExtra = 0,
        .hInstance = GetModuleHandleW(nullptr),
        .hIcon = nullptr,
        .hCursor = nullptr,
        .hbrBackground = nullptr,
        .lpszMenuName = nullptr,
        .lpszClassName = L"TavrixTestHost",
    };
    RegisterClassW(&wc); // fails harmlessly when an earlier window registered it
    return TestWindow(CreateWindowExW(0, wc.lpszClassName, title, style, bounds.left, bounds.top,
                                      bounds.right - bounds.left, bounds.bottom - bounds.top,
                                      nullptr, nullptr, wc.hInstance, nullptr));
}

} // namespace tavrix::test
