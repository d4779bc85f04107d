#include "ui/win32/Splitter.h"

namespace tavrix::win32 {

namespace {
constexpr wchar_t kClassName[] = L"TavrixSplitter";
}

void Splitter::Create(HWND parent, int id) {
    RegisterClassOnce(kClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                      LoadCursorW(nullptr, IDC_SIZEWE));
    CreateWindowOfClass(kClassName, 0, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

int Splitter::ScreenX(int clientX) const {
    POINT p{clientX, 0};
    ClientToScreen(Handle(), &p);
    return p.x;
}

bool Splitter::OnMouseButton(UINT message, int x, int, WPARAM) {
    if (message == WM_LBUTTONDOWN) {
        dragging_ = true;
        startScreenX_ = ScreenX(x);
        startWidth_ = width_();
        SetCapture(Handle());
        return true;
    }
    if (message == WM_LBUTTONUP && dragging_) {
        dragging_ = false;
        ReleaseCapture();
        return true;
    }
    return false;
}

bool Splitter::OnMouseMove(int x, int, WPARAM) {
    if (dragging_) {
        // Screen coordinates: the splitter itself moves while it is dragged.
        resize_(startWidth_ + ScreenX(x) - startScreenX_);
        return true;
    }
    return false;
}

bool Splitter::OnSetCursor(HWND, UINT) {
    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    return true;
}

LRESULT Splitter::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CAPTURECHANGED) {
        dragging_ = false;
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace tavrix::win32
