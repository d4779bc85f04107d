#pragma once
// A plain top-level window for tests that need a parent: default processing only, destroyed
// with the object. Top-level windows need a display (run under xvfb-run).
#include <windows.h>

namespace tavrix::test {

class HostWindow {
public:
    explicit HostWindow(DWORD style = WS_POPUP, int width = 640, int height = 400) {
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
        RegisterClassW(&wc); // fails harmlessly when an earlier host registered it
        window_ = CreateWindowExW(0, wc.lpszClassName, L"test host", style, 0, 0, width, height,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~HostWindow() {
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_ = nullptr;
};

} // namespace tavrix::test
