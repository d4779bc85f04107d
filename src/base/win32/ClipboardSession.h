#pragma once
// OpenClipboard for a scope, CloseClipboard at its end when the open succeeded. The system does
// not count opens: the clipboard port does, and keeps one session for its outermost open.
#include <windows.h>

namespace tavrix::win32 {

class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~ClipboardSession() {
        if (open_) {
            CloseClipboard();
        }
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;

    // False when another window holds the clipboard.
    bool opened() const { return open_; }

private:
    bool open_;
};

} // namespace tavrix::win32
