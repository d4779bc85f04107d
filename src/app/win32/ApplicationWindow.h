#pragma once
// The application's hidden window: a message-only window that owns the clipboard when the
// program opens it, created before anything touches the clipboard.
#include <windows.h>

namespace tavrix::win32 {

class ApplicationWindow {
public:
    ApplicationWindow();
    ~ApplicationWindow();
    ApplicationWindow(const ApplicationWindow&) = delete;
    ApplicationWindow& operator=(const ApplicationWindow&) = delete;

    HWND Handle() const { return handle_; }

private:
    HWND handle_ = nullptr;
};

} // namespace tavrix::win32
