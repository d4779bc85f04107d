#pragma once
// A plain top-level window captioned with the program's name and version; closing it ends the
// message loop.
#include <windows.h>

namespace tavrix::win32 {

class PlaceholderWindow {
public:
    PlaceholderWindow();
    ~PlaceholderWindow();
    PlaceholderWindow(const PlaceholderWindow&) = delete;
    PlaceholderWindow& operator=(const PlaceholderWindow&) = delete;

    HWND Handle() const { return handle_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND handle_ = nullptr;
};

} // namespace tavrix::win32
