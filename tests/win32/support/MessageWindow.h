#pragma once
// A hidden message-only window for tests that need a clipboard owner. Under Wine, opens without
// a window count as one opener in every process, so only an open with a window keeps another
// program out and can be seen through GetOpenClipboardWindow.
#include <windows.h>

namespace tavrix::test {

class MessageWindow {
public:
    MessageWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"test owner", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr)) {}
    ~MessageWindow() {
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
    }
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

} // namespace tavrix::test
