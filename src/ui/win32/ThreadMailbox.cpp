#include "ui/win32/ThreadMailbox.h"

namespace tavrix::win32 {

namespace {
constexpr const wchar_t* kClassName = L"TavrixThreadMailbox";
constexpr UINT kPosted = WM_APP + 1;
constexpr UINT_PTR kTickTimer = 1;
} // namespace

void ThreadMailbox::Create() {
    RegisterClassOnce(kClassName, 0, nullptr, nullptr, nullptr);
    CreateWindowOfClass(kClassName, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
}

void ThreadMailbox::Post() const {
    PostMessageW(Handle(), kPosted, 0, 0);
}

void ThreadMailbox::SetTicking(bool on, unsigned interval) {
    if (on) {
        SetTimer(Handle(), kTickTimer, interval, nullptr);
    } else {
        KillTimer(Handle(), kTickTimer);
    }
}

LRESULT ThreadMailbox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPosted) {
        if (onPost_) {
            onPost_();
        }
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

bool ThreadMailbox::OnTimer(UINT_PTR id) {
    if (id != kTickTimer) {
        return false;
    }
    if (onTick_) {
        onTick_();
    }
    return true;
}

} // namespace tavrix::win32
