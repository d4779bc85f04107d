#include "app/win32/ViewerHost.h"

namespace tavrix::win32 {

void ViewerHost::Create(HWND parent, int id) {
    window_ = std::make_unique<BinHexWindow>(parent, RECT{}, id);
    ShowWindow(window_->Handle(), SW_HIDE);
}

bool ViewerHost::OpenStream(ByteStream* stream, bool redraw) {
    return window_->Model().OpenStream(stream, redraw);
}

void ViewerHost::SetMode(TZorvBinHexMode mode) {
    // Assigning the mode reopens the stream, so a refilled stream shows its new content.
    window_->Model().SetMode(mode);
}

TZorvBinHexMode ViewerHost::Mode() const {
    return window_->Model().Options().Mode;
}

void ViewerHost::SetTextGutter(bool on) {
    window_->Model().SetOption(&BinHexOptions::TextGutter, on);
}

bool ViewerHost::TextGutter() const {
    return window_->Model().Options().TextGutter;
}

void ViewerHost::SetTextUrlHilight(bool on) {
    window_->Model().SetOption(&BinHexOptions::TextUrlHilight, on);
}

void ViewerHost::SetTextGutterLinesStep(int step) {
    window_->Model().SetOption(&BinHexOptions::TextGutterLinesStep, step);
}

int ViewerHost::FontSize() const {
    return window_->Model().Options().Font.Size;
}

void ViewerHost::SetFontSize(int points) {
    BinHexOptions options = window_->Model().Options();
    options.Font.Size = points;
    window_->Model().SetOptions(options);
}

void ViewerHost::FollowDpi(int dpi) {
    window_->ChangeDpi(dpi);
}

void ViewerHost::Redraw() {
    window_->Model().Redraw();
}

std::int64_t ViewerHost::ShownSize() const {
    return window_->Model().FileSize();
}

} // namespace tavrix::win32
