#include "app/win32/ApplicationWindow.h"

namespace tavrix::win32 {

namespace {
constexpr wchar_t kClassName[] = L"TavrixApplication";
}

ApplicationWindow::ApplicationWindow() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    // The application window has an empty title: the main window has its own taskbar button.
    handle_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                              nullptr);
}

ApplicationWindow::~ApplicationWindow() {
    if (handle_ != nullptr) {
        DestroyWindow(handle_);
    }
}

} // namespace tavrix::win32
