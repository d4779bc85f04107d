#include "viewer/win32/BinHexWindow.h"

#include "base/DebugLog.h"
#include "base/Error.h"
#include "base/Support.h"
#include "base/win32/PaintDC.h"
#include "base/win32/WindowDC.h"

#include <exception>

namespace tavrix::win32 {

namespace {

RECT ClientRect(HWND window) {
    RECT rect{};
    if (window != nullptr) {
        GetClientRect(window, &rect);
    }
    return rect;
}

} // namespace

void BinHexWindow::RegisterWindowClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, kClassName, &wc)) {
        return;
    }
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.cbWndExtra = sizeof(BinHexWindow*);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
    wc.hbrBackground = nullptr; // the picture covers the whole client area
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
}

BinHexWindow::BinHexWindow(HWND parent, RECT bounds, int id) {
    RegisterWindowClass();
    if (IsRectEmpty(&bounds)) {
        bounds = RECT{bounds.left, bounds.top, bounds.left + 200, bounds.top + 150};
    }
    const DWORD style =
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_HSCROLL;
    CreateWindowExW(0, kClassName, L"", style, bounds.left, bounds.top, bounds.right - bounds.left,
                    bounds.bottom - bounds.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                    this);
    if (handle_ == nullptr) {
        throw Error(L"Cannot create the viewer window");
    }
    // Start with hidden bars and a picture of the client size.
    model_.Redraw();
}

BinHexWindow::~BinHexWindow() {
    if (handle_ != nullptr) {
        DestroyWindow(handle_);
    }
}

LRESULT CALLBACK BinHexWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<BinHexWindow*>(create->lpCreateParams);
        SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(self));
        self->handle_ = window;
    }
    auto* self = reinterpret_cast<BinHexWindow*>(GetWindowLongPtrW(window, 0));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, 0, 0);
        self->handle_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (const Error& error) {
        self->lastError_ = error.Message();
    } catch (const std::exception& error) {
        const std::string text = error.what();
        self->lastError_.assign(text.begin(), text.end());
    }
    DebugLog(L"Viewer: " + self->lastError_);
    return 0;
}

LRESULT BinHexWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (input_.HandleMessage(handle_, message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        // Paint covers the whole client area with the picture; erasing first would flicker.
        return 1;
    case WM_SIZE:
        OnSize();
        return 0;
    case WM_ENABLE:
        model_.SetEnabled(wParam != 0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

void BinHexWindow::OnPaint() {
    PaintDC paint(handle_);
    if (paint.get() != nullptr) {
        PaintTo(paint.get());
    }
}

void BinHexWindow::PaintTo(HDC dc) {
    BitBlt(dc, 0, 0, picture_.Width(), picture_.Height(), picture_.Dc(), 0, 0, SRCCOPY);
    if (model_.PanMode()) {
        const Point origin = model_.PanOrigin();
        anchor_.Draw(dc, origin.x - kPanArtSize / 2, origin.y - kPanArtSize / 2);
    }
}

void BinHexWindow::OnSize() {
    // Showing or hiding a scroll bar while drawing resizes the client area again; one nested
    // redraw settles it, deeper ones would only repeat it.
    if (sizeDepth_ >= 2) {
        return;
    }
    ++sizeDepth_;
    try {
        model_.Resize();
    } catch (...) {
        --sizeDepth_;
        throw;
    }
    --sizeDepth_;
}

int BinHexWindow::ClientWidth() {
    const RECT rect = ClientRect(handle_);
    return rect.right - rect.left;
}

int BinHexWindow::ClientHeight() {
    const RECT rect = ClientRect(handle_);
    return rect.bottom - rect.top;
}

void BinHexWindow::SetScrollBar(int bar, const ScrollBarState& state) {
    if (handle_ == nullptr) {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = state.Min;
    info.nMax = state.Max;
    info.nPage = static_cast<UINT>(state.Page);
    info.nPos = state.Pos;
    SetScrollInfo(handle_, bar, &info, TRUE);
}

void BinHexWindow::SetVertScrollBar(const ScrollBarState& state) {
    SetScrollBar(SB_VERT, state);
}

void BinHexWindow::SetHorzScrollBar(const ScrollBarState& state) {
    SetScrollBar(SB_HORZ, state);
}

void BinHexWindow::Present() {
    if (handle_ == nullptr) {
        return;
    }
    WindowDC dc(handle_);
    if (dc.get() != nullptr) {
        PaintTo(dc.get());
    }
}

void BinHexWindow::SetTimerActive(ViewerTimer timer, bool active) {
    if (handle_ == nullptr) {
        return;
    }
    const UINT_PTR id = timer == ViewerTimer::Select ? kSelectTimerId : kPanTimerId;
    if (active) {
        SetTimer(handle_, id, timer == ViewerTimer::Select ? 50 : 100, nullptr);
    } else {
        KillTimer(handle_, id);
    }
}

} // namespace tavrix::win32
