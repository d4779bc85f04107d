#include "ui/win32/Window.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "base/win32/DroppedFiles.h"
#include "base/win32/SystemErrorText.h"
#include "ui/win32/ChildControl.h"
#include "ui/win32/ErrorBox.h"
#include "ui/win32/WindowDpi.h"

#include <windowsx.h>

#include <utility>

namespace tavrix::win32 {

namespace {
// WM_DPICHANGED_AFTERPARENT: a child's resolution followed its parent's (newer systems send it;
// the headers name it only for them).
constexpr UINT kDpiChangedAfterParent = 0x02E3;
} // namespace

Window::~Window() {
    if (handle_ != nullptr) {
        // The object goes away first: unhook it so the messages of the destruction do not
        // reach a half-destroyed object.
        HWND handle = handle_;
        Detach();
        DestroyWindow(handle);
    }
}

void Window::RegisterClassOnce(const wchar_t* className, UINT style, HBRUSH background,
                               HCURSOR cursor, HICON icon, ObjectSlot slot) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, className, &existing)) {
        return;
    }
    const bool inExtraBytes = slot == ObjectSlot::ExtraBytes;
    const WNDCLASSEXW wc{
        .cbSize = sizeof(WNDCLASSEXW),
        .style = style,
        .lpfnWndProc = inExtraBytes ? WindowProc<0> : WindowProc<GWLP_USERDATA>,
        .cbClsExtra = 0,
        .cbWndExtra = inExtraBytes ? static_cast<int>(sizeof(Window*)) : 0,
        .hInstance = instance,
        .hIcon = icon,
        .hCursor = cursor,
        .hbrBackground = background,
        .lpszMenuName = nullptr,
        .lpszClassName = className,
        .hIconSm = nullptr,
    };
    if (RegisterClassExW(&wc) == 0) {
        ThrowLastError(Tr(L"Cannot register window class \"%1\".", {className}) + L" ");
    }
}

void Window::CreateWindowOfClass(const wchar_t* className, DWORD exStyle,
                                 const std::wstring& caption, DWORD style, int x, int y, int width,
                                 int height, HWND parent, HMENU menu) {
    creationFailed_ = false;
    creationError_.clear();
    HWND created = CreateWindowExW(exStyle, className, caption.c_str(), style, x, y, width, height,
                                   parent, menu, GetModuleHandleW(nullptr), this);
    if (created != nullptr) {
        return;
    }
    const DWORD code = GetLastError();
    if (creationFailed_) {
        throw CreationAborted(creationError_);
    }
    ThrowSystemError(CannotCreateWindowContext(className), code);
}

template <int Slot>
LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = static_cast<Window*>(create->lpCreateParams);
        if (self != nullptr) {
            SetWindowLongPtrW(window, Slot, reinterpret_cast<LONG_PTR>(self));
            self->handle_ = window;
            self->slot_ = Slot;
            self->dpi_ = ReadWindowDpi(window);
        }
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, Slot));
    }
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        self->Detach();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Dispatch(message, wParam, lParam);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    std::wstring failure;
    bool failed = false;
    try {
        const LRESULT result = HandleMessage(message, wParam, lParam);
        if (message != WM_CREATE || result != -1) {
            return result;
        }
    } catch (const CreationAborted& aborted) {
        // A window made by this handler failed and has reported why already.
        failed = true;
        try {
            failure = aborted.Message();
        } catch (...) {
            LogSwallowed(L"Window::Dispatch (creation)");
        }
    } catch (...) {
        failed = true;
        try {
            failure = CurrentExceptionText();
            ReportHandlerError(failure);
        } catch (...) {
            // Nothing more can be done for an error that cannot even be reported.
            LogSwallowed(L"Window::Dispatch");
        }
    }
    if (message != WM_CREATE) {
        return 0;
    }
    // The window would be half built: let the system destroy it, and keep its remaining
    // messages away from the object.
    creationFailed_ = failed;
    creationError_ = std::move(failure);
    Detach();
    return -1;
}

void Window::Detach() {
    if (handle_ != nullptr) {
        SetWindowLongPtrW(handle_, slot_, 0);
        handle_ = nullptr;
    }
}

void Window::ChangeDpi(int dpi) {
    if (dpi <= 0 || dpi == dpi_) {
        return;
    }
    const int previous = std::exchange(dpi_, dpi);
    OnDpiChanged(previous);
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
    case WM_ENDSESSION:
        OnEndSession(wParam != FALSE);
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
    case WM_CONTEXTMENU:
        if (OnContextMenu(reinterpret_cast<HWND>(wParam),
                          POINT{.x = GET_X_LPARAM(lParam), .y = GET_Y_LPARAM(lParam)})) {
            return 0;
        }
        break;
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
    case WM_DPICHANGED: {
        // Both words of wParam carry the new resolution.
        ChangeDpi(HIWORD(wParam));
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(handle_, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case kDpiChangedAfterParent:
        ChangeDpi(ReadWindowDpi(handle_));
        return 0;
    case WM_GETOBJECT:
        if (const std::optional<LRESULT> object = OnGetObject(wParam, lParam)) {
            return *object;
        }
        break;
    case WM_DROPFILES: {
        const DroppedFiles drop(reinterpret_cast<HDROP>(wParam));
        OnDropFiles(drop.get());
        return 0;
    }
    default:
        break;
    }
    return DefaultProcessing(message, wParam, lParam);
}

} // namespace tavrix::win32
