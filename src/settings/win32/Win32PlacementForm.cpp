#include "settings/win32/Win32PlacementForm.h"

namespace tavrix::win32 {

namespace {

ScreenRect FromRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

BOOL CALLBACK AddDisplay(HMONITOR monitor, HDC, LPRECT, LPARAM context) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        reinterpret_cast<std::vector<DisplayArea>*>(context)->push_back(
            {FromRect(info.rcMonitor), FromRect(info.rcWork)});
    }
    return TRUE;
}

} // namespace

Win32PlacementForm::Win32PlacementForm(HWND window, std::wstring className, FormPosition position)
    : window_(window), className_(std::move(className)), position_(position) {}

RECT Win32PlacementForm::Rect() const {
    RECT r{};
    GetWindowRect(window_, &r);
    return r;
}

void Win32PlacementForm::MoveTo(int left, int top, int width, int height) {
    SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32PlacementForm::Top() const {
    return Rect().top;
}
int Win32PlacementForm::Left() const {
    return Rect().left;
}
int Win32PlacementForm::Height() const {
    const RECT r = Rect();
    return r.bottom - r.top;
}
int Win32PlacementForm::Width() const {
    const RECT r = Rect();
    return r.right - r.left;
}

void Win32PlacementForm::SetTop(int top) {
    MoveTo(Left(), top, Width(), Height());
}
void Win32PlacementForm::SetLeft(int left) {
    MoveTo(left, Top(), Width(), Height());
}
void Win32PlacementForm::SetHeight(int height) {
    MoveTo(Left(), Top(), Width(), height);
}
void Win32PlacementForm::SetWidth(int width) {
    MoveTo(Left(), Top(), width, Height());
}

WindowState Win32PlacementForm::State() const {
    if (IsZoomed(window_)) {
        return WindowState::Maximized;
    }
    return IsIconic(window_) ? WindowState::Minimized : WindowState::Normal;
}

void Win32PlacementForm::SetState(WindowState state) {
    if (state == WindowState::Maximized) {
        ShowWindow(window_, SW_MAXIMIZE);
    } else if (state == WindowState::Minimized) {
        ShowWindow(window_, SW_MINIMIZE);
    } else if (IsZoomed(window_) || IsIconic(window_)) {
        ShowWindow(window_, SW_RESTORE);
    }
}

bool Win32PlacementForm::HasMaximizeButton() const {
    return (GetWindowLongPtrW(window_, GWL_STYLE) & WS_MAXIMIZEBOX) != 0;
}

ScreenRect Win32PlacementForm::NearestWorkArea() const {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &info)) {
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        return FromRect(work);
    }
    return FromRect(info.rcWork);
}

std::vector<DisplayArea> Win32PlacementForm::Displays() const {
    std::vector<DisplayArea> displays;
    EnumDisplayMonitors(nullptr, nullptr, AddDisplay, reinterpret_cast<LPARAM>(&displays));
    return displays;
}

} // namespace tavrix::win32
