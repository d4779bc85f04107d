#include "ui/win32/Window.h"

#include "base/Error.h"
#include "ui/win32/ErrorBox.h"

#include <windowsx.h>

namespace tavrix::win32 {

Window::~Window() {
    if (handle_ != nullptr) {
        // The object goes away first: unhook it so the messages of the destruction do not
        // reach a half-destroyed object.
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        HWND handle = handle_;
        handle_ = nullptr;
        DestroyWindow(handle);
    }
}

void Window::RegisterClassOnce(const wchar_t* className, UINT style, HBRUSH background,
                               HCURSOR cursor, HICON icon) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, className, &existing)) {
        return;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = className;
    if (RegisterClassExW(&wc) == 0) {
        throw Error(L"Cannot register the window class");
    }
}

void Window::CreateWindowOfClass(const wchar_t* className, DWORD exStyle,
                                 const std::wstring& caption, DWORD style, int x, int y, int width,
                                 int height, HWND parent, HMENU menu) {
    HWND created = CreateWindowExW(exStyle, className, caption.c_str(), style, x, y, width, height,
                                   parent, menu, GetModuleHandleW(nullptr), this);
    if (created == nullptr) {
        throw Error(L"Cannot create window");
    }
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = static_cast<Window*>(create->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->handle_ = window;
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        try {
            self->ReportHandlerError(CurrentExceptionText());
        } catch (...) {
            // Nothing more can be done for an error that cannot even be reported.
        }
        return 0;
    }
}

void Window::ReportHandlerError(const std::wstring& text) {
    ShowErrorBox(handle_, text);
}

LRESULT Window::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(*reinterpret_cast<CREATESTRUCTW*>(lParam)) ? 0 : -1;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_CLOSE:
        if (OnClose()) {
            return 0;
        }
        break;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
            return 0;
        }
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (OnNotify(*reinterpret_cast<NMHDR*>(lParam), result)) {
            return result;
        }
        break;
    }
    case WM_TIMER:
        if (OnTimer(static_cast<UINT_PTR>(wParam))) {
            return 0;
        }
        break;
    case WM_PAINT:
        if (OnPaint()) {
            return 0;
        }
        break;
    case WM_MEASUREITEM:
        if (OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
            return TRUE;
        }
        break;
    case WM_DRAWITEM:
        if (OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam))) {
            return TRUE;
        }
        break;
    case WM_SHOWWINDOW:
        if (OnShowWindow(wParam != 0)) {
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) {
            return 1;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
        if (OnMouseButton(message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam)) {
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        if (OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam)) {
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) {
            return TRUE;
        }
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (OnScroll(message == WM_VSCROLL, LOWORD(wParam))) {
            return 0;
        }
        break;
    case WM_MOUSEWHEEL:
        if (OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam))) {
            return 0;
        }
        break;
    case WM_GETMINMAXINFO:
        if (OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam))) {
            return 0;
        }
        break;
    default:
        break;
    }
    return DefaultProcessing(message, wParam, lParam);
}

} // namespace tavrix::win32
