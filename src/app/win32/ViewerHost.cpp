#include "app/win32/ViewerHost.h"

namespace tavrix::win32 {

void ViewerHost::Create(ClipboardPort& clipboard, HWND parent, int id) {
    window_ = std::make_unique<BinHexWindow>(clipboard, parent, RECT{}, id);
    ShowWindow(window_->Handle(), SW_HIDE);
}

bool ViewerHost::OpenStream(ByteStream* stream, bool redraw) {
    return window_->Model().OpenStream(stream, redraw);
}

void ViewerHost::SetMode(ViewerMode mode) {
    // Assigning the mode reopens the stream, so a refilled stream shows its new content.
    window_->Model().SetMode(mode);
}

ViewerMode ViewerHost::Mode() const {
    return window_->Model().Options().mode;
}

void ViewerHost::SetTextGutter(bool on) {
    window_->Model().SetOption(&BinHexOptions::textGutter, on);
}

bool ViewerHost::TextGutter() const {
    return window_->Model().Options().textGutter;
}

void ViewerHost::SetTextUrlHilight(bool on) {
    window_->Model().SetOption(&BinHexOptions::textUrlHilight, on);
}

void ViewerHost::SetTextGutterLinesStep(int step) {
    window_->Model().SetOption(&BinHexOptions::textGutterLinesStep, step);
}

int ViewerHost::FontSize() const {
    return window_->Model().Options().font.size;
}

void ViewerHost::SetFontSize(int points) {
    BinHexOptions options = window_->Model().Options();
    options.font.size = points;
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
