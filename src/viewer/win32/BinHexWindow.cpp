#include "viewer/win32/BinHexWindow.h"

#include "base/DebugLog.h"
#include "base/ScopeExit.h"
#include "base/SystemServices.h"
#include "base/win32/PaintDC.h"
#include "base/win32/WindowDC.h"
#include "viewer/MouseSelection.h"
#include "viewer/PanMode.h"
#include "viewer/ViewerMessages.h"

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

BinHexWindow::BinHexWindow(ClipboardPort& clipboard, HWND parent, RECT bounds, int id)
    : clipboard_(clipboard) {
    // The picture covers the whole client area: no background brush.
    RegisterClassOnce(kClassName, CS_DBLCLKS, nullptr, LoadCursorW(nullptr, IDC_IBEAM), nullptr,
                      ObjectSlot::ExtraBytes);
    if (IsRectEmpty(&bounds)) {
        bounds = RECT{
            .left = bounds.left,
            .top = bounds.top,
            .right = bounds.left + 200,
            .bottom = bounds.top + 150,
        };
    }
    const DWORD style =
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_HSCROLL;
    CreateWindowOfClass(kClassName, 0, L"", style, bounds.left, bounds.top,
                        bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    // Start with hidden bars and a picture of the client size, its font at the window's
    // resolution.
    picture_.SetPixelsPerInch(Dpi());
    model_.Redraw();
}

BinHexWindow::~BinHexWindow() {
    // Destroyed while the model still exists: the messages of the destruction reach it.
    if (Handle() != nullptr) {
        DestroyWindow(Handle());
    }
}

void BinHexWindow::ReportHandlerError(const std::wstring& text) {
    lastError_ = text;
    DebugLog(L"Viewer: " + lastError_);
}

LRESULT BinHexWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (input_.HandleMessage(Handle(), message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_ENABLE) {
        model_.SetEnabled(wParam != 0);
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

bool BinHexWindow::OnPaint() {
    const PaintDC paint = scoped::BeginPaint(Handle());
    if (paint.get() != nullptr) {
        PaintTo(paint.get());
    }
    return true;
}

bool BinHexWindow::OnEraseBackground(HDC) {
    // Paint covers the whole client area with the picture; erasing first would flicker.
    return true;
}

void BinHexWindow::PaintTo(HDC dc) {
    BitBlt(dc, 0, 0, picture_.Width(), picture_.Height(), picture_.Dc(), 0, 0, SRCCOPY);
    if (model_.PanMode()) {
        const Point origin = model_.PanOrigin();
        anchor_.Draw(dc, origin.x - kPanArtSize / 2, origin.y - kPanArtSize / 2);
    }
}

void BinHexWindow::OnSize(UINT, int, int) {
    // Showing or hiding a scroll bar while drawing resizes the client area again; one nested
    // redraw settles it, deeper ones would only repeat it.
    if (sizeDepth_ >= 2) {
        return;
    }
    ++sizeDepth_;
    const ScopeExit leave([this] { --sizeDepth_; });
    model_.Resize();
}

void BinHexWindow::OnDpiChanged(int) {
    picture_.SetPixelsPerInch(Dpi());
    model_.Redraw();
}

int BinHexWindow::ClientWidth() {
    const RECT rect = ClientRect(Handle());
    return rect.right - rect.left;
}

int BinHexWindow::ClientHeight() {
    const RECT rect = ClientRect(Handle());
    return rect.bottom - rect.top;
}

void BinHexWindow::SetScrollBar(int bar, const ScrollBarState& state) {
    if (Handle() == nullptr) {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = state.min;
    info.nMax = state.max;
    info.nPage = static_cast<UINT>(state.page);
    info.nPos = state.pos;
    SetScrollInfo(Handle(), bar, &info, TRUE);
}

void BinHexWindow::SetVertScrollBar(const ScrollBarState& state) {
    SetScrollBar(SB_VERT, state);
}

void BinHexWindow::SetHorzScrollBar(const ScrollBarState& state) {
    SetScrollBar(SB_HORZ, state);
}

void BinHexWindow::Present() {
    if (Handle() == nullptr) {
        return;
    }
    const WindowDC dc = scoped::GetDC(Handle());
    if (dc.get() != nullptr) {
        PaintTo(dc.get());
    }
}

void BinHexWindow::SetTimerActive(ViewerTimer timer, bool active) {
    if (Handle() == nullptr) {
        return;
    }
    const bool select = timer == ViewerTimer::Select;
    const UINT_PTR id = select ? kViewerSelectTimerId : kViewerPanTimerId;
    if (active) {
        SetTimer(Handle(), id, select ? kSelectTimerInterval : kPanTimerInterval, nullptr);
    } else {
        KillTimer(Handle(), id);
    }
}

bool BinHexWindow::RetryRead() {
    return ShowViewerMessage(ViewerCannotReadStream(), ViewerCaption(),
                             kMbRetryCancel | kMbIconError) == kIdRetry;
}

void BinHexWindow::ReportError(const std::wstring& text) {
    ShowViewerError(text);
}

} // namespace tavrix::win32
