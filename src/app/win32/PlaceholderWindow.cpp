#include "app/win32/PlaceholderWindow.h"

#include "base/Dpi.h"
#include "base/Error.h"
#include "base/Support.h"

namespace tavrix::win32 {

namespace {
constexpr wchar_t kClassName[] = L"TavrixMainWindow";
}

PlaceholderWindow::PlaceholderWindow() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    std::wstring caption = L"Tavrix " + GetProductVersion();
    handle_ = CreateWindowExW(0, kClassName, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, ScaleByDpi(800), ScaleByDpi(560), nullptr, nullptr,
                              instance, nullptr);
    if (handle_ == nullptr) {
        throw Error(L"Cannot create the main window");
    }
    ShowWindow(handle_, SW_SHOWNORMAL);
    UpdateWindow(handle_);
}

PlaceholderWindow::~PlaceholderWindow() {
    if (handle_ != nullptr && IsWindow(handle_)) {
        DestroyWindow(handle_);
    }
}

LRESULT CALLBACK PlaceholderWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace tavrix::win32
