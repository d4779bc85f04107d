#include "app/win32/ClipboardOwnerWindow.h"

namespace tavrix::win32 {

namespace {
constexpr wchar_t kClassName[] = L"TavrixApplication";
}

ClipboardOwnerWindow::ClipboardOwnerWindow() {
    RegisterClassOnce(kClassName, 0, nullptr, nullptr);
    // The application window has an empty title: the main window has its own taskbar button.
    CreateWindowOfClass(kClassName, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
}

} // namespace tavrix::win32
