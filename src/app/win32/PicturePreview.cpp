#include "app/win32/PicturePreview.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "base/win32/PaintDC.h"
#include "ui/win32/Checkerboard.h"

#include <algorithm>

namespace tavrix::win32 {

namespace {
constexpr wchar_t kImageClass[] = L"TavrixImage";
constexpr wchar_t kScrollBoxClass[] = L"TavrixScrollBox";
} // namespace

void ImageControl::Create(HWND parent) {
    RegisterClassOnce(kImageClass, 0, nullptr, LoadCursorW(nullptr, IDC_ARROW));
    CreateWindowOfClass(kImageClass, 0, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr);
}

void ImageControl::SetIcon(HICON icon, int width, int height) {
    HICON copy = CopyIcon(icon);
    if (copy == nullptr) {
        throw Error(Tr(L"Invalid icon"));
    }
    picture_.Clear();
    icon_.reset(copy);
    iconWidth_ = width;
    iconHeight_ = height;
    if (autoSize_) {
        SetSize(NaturalWidth(), NaturalHeight());
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

int ImageControl::NaturalWidth() const {
    return icon_ && picture_.Empty() ? iconWidth_ : picture_.Width();
}

int ImageControl::NaturalHeight() const {
    return icon_ && picture_.Empty() ? iconHeight_ : picture_.Height();
}

void ImageControl::SetAutoSize(bool on) {
    autoSize_ = on;
    if (autoSize_) {
        // A freshly loaded bitmap or metafile replaces an icon shown before.
        if (!picture_.Empty()) {
            icon_.reset();
        }
        SetSize(NaturalWidth(), NaturalHeight());
    }
}

void ImageControl::SetSize(int width, int height) {
    InvalidateRect(Handle(), nullptr, TRUE);
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == width_ && height == height_) {
        return;
    }
    width_ = width;
    height_ = height;
    SetWindowPos(Handle(), nullptr, 0, 0, width_, height_,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND box = GetParent(Handle());
    if (box != nullptr) {
        SendMessageW(box, WM_SIZE, SIZE_RESTORED, 0);
    }
}

bool ImageControl::OnPaint() {
    const PaintDC paint = scoped::BeginPaint(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(paint.get(), &client, GetSysColorBrush(COLOR_WINDOW));
    RECT target = client;
    if (!stretch_) {
        target.right = target.left + NaturalWidth();
        target.bottom = target.top + NaturalHeight();
    }
    if (picture_.HasAlpha()) {
        FillCheckerboard(paint.get(), target, checkerCell_);
    }
    if (!picture_.Empty()) {
        SetStretchBltMode(paint.get(), HALFTONE);
        SetBrushOrgEx(paint.get(), 0, 0, nullptr);
        picture_.Draw(paint.get(), target);
    } else if (icon_) {
        DrawIconEx(paint.get(), target.left, target.top, icon_.get(), target.right - target.left,
                   target.bottom - target.top, 0, nullptr, DI_NORMAL);
    }
    return true;
}

void ScrollBox::Create(HWND parent, int id) {
    RegisterClassOnce(kScrollBoxClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                      LoadCursorW(nullptr, IDC_ARROW));
    CreateWindowOfClass(kScrollBoxClass, 0, L"",
                        WS_CHILD | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    image_.Create(Handle());
    UpdateScrollRange();
}

void ScrollBox::OnSize(UINT, int, int) {
    UpdateScrollRange();
}

namespace {

// Sets a scroll bar only when it changes: each setting redraws the bar.
void SetScrollBar(HWND window, int bar, int size, int page, int position) {
    SCROLLINFO now{};
    now.cbSize = sizeof(now);
    now.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    const int max = std::max(0, size - 1);
    const auto pageSize = static_cast<UINT>(std::max(0, page));
    if (GetScrollInfo(window, bar, &now) && now.nMin == 0 && now.nMax == max &&
        now.nPage == pageSize && now.nPos == position) {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = max;
    info.nPage = pageSize;
    info.nPos = position;
    SetScrollInfo(window, bar, &info, TRUE);
}

} // namespace

void ScrollBox::UpdateScrollRange() {
    if (Handle() == nullptr) {
        return;
    }
    // Two passes: showing one scroll bar can make room for the other disappear.
    for (int pass = 0; pass < 2; ++pass) {
        RECT client{};
        GetClientRect(Handle(), &client);
        scrollX_ =
            std::clamp(scrollX_, 0, std::max(0, image_.Width() - static_cast<int>(client.right)));
        SetScrollBar(Handle(), SB_HORZ, image_.Width(), client.right, scrollX_);
        scrollY_ =
            std::clamp(scrollY_, 0, std::max(0, image_.Height() - static_cast<int>(client.bottom)));
        SetScrollBar(Handle(), SB_VERT, image_.Height(), client.bottom, scrollY_);
    }
    SetWindowPos(image_.Handle(), nullptr, -scrollX_, -scrollY_, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ScrollBox::ScrollTo(int x, int y) {
    scrollX_ = x;
    scrollY_ = y;
    UpdateScrollRange();
}

bool ScrollBox::OnScroll(bool vertical, int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), vertical ? SB_VERT : SB_HORZ, &info);
    int pos = info.nPos;
    int line = 16;
    switch (request) {
    case SB_LINEUP:
        pos -= line;
        break;
    case SB_LINEDOWN:
        pos += line;
        break;
    case SB_PAGEUP:
        pos -= static_cast<int>(info.nPage);
        break;
    case SB_PAGEDOWN:
        pos += static_cast<int>(info.nPage);
        break;
    case SB_THUMBTRACK: // the picture follows the thumb while it is dragged
    case SB_THUMBPOSITION:
        pos = info.nTrackPos;
        break;
    case SB_TOP:
        pos = 0;
        break;
    case SB_BOTTOM:
        pos = info.nMax;
        break;
    default:
        return true;
    }
    if (vertical) {
        ScrollTo(scrollX_, pos);
    } else {
        ScrollTo(pos, scrollY_);
    }
    return true;
}

bool ScrollBox::OnMouseWheel(int delta, WPARAM keys) {
    int step = -delta / WHEEL_DELTA * 48;
    if (keys & MK_SHIFT) {
        ScrollTo(scrollX_ + step, scrollY_);
    } else {
        ScrollTo(scrollX_, scrollY_ + step);
    }
    return true;
}

} // namespace tavrix::win32
