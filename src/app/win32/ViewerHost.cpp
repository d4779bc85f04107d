#include "app/win32/ViewerHost.h"

#include "ui/win32/Gdi.h"

namespace tavrix::win32 {

namespace {
constexpr wchar_t kClassName[] = L"TavrixViewerHost";
}

void ViewerHost::Create(HWND parent, int id) {
    RegisterClassOnce(kClassName, 0, nullptr, LoadCursorW(nullptr, IDC_IBEAM));
    CreateWindowOfClass(kClassName, 0, L"", WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL, 0, 0, 0,
                        0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    ShowScrollBar(Handle(), SB_BOTH, FALSE);
}

bool ViewerHost::OpenStream(ByteStream* stream, bool redraw) {
    if (stream == stream_) {
        return true;
    }
    stream_ = stream;
    shownSize_ = stream_ != nullptr ? stream_->Size() : 0;
    if (redraw) {
        Redraw();
    }
    return true;
}

void ViewerHost::SetMode(TZorvBinHexMode mode) {
    // Assigning the mode reopens the stream, so a refilled stream shows its new content.
    mode_ = mode;
    shownSize_ = stream_ != nullptr ? stream_->Size() : 0;
    Redraw();
}

void ViewerHost::Redraw() {
    if (Handle() != nullptr) {
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

bool ViewerHost::OnPaint() {
    PaintDC paint(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(paint.get(), &client, GetSysColorBrush(COLOR_WINDOW));
    return true;
}

} // namespace tavrix::win32
