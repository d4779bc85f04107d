// Baseline for the start-up benchmark: a Win32 program that only creates and destroys a window.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"MinimalWindow";
    RegisterClassW(&wc);
    HWND window =
        CreateWindowExW(0, wc.lpszClassName, L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 200, 100, nullptr, nullptr, instance, nullptr);
    if (window) {
        DestroyWindow(window);
    }
    return 0;
}
