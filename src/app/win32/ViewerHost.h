#pragma once
// The main window's hold on the binary viewer control: the few operations the preview and the
// zoom commands use (stream, mode, gutter, font size, redraw, visibility).
//
// PENDING: the viewer control's window is not in the tree yet. Until it is, this class is a
// plain child window that keeps the state the main window sets and paints an empty page; the
// calls below are the ones that will be forwarded to the control.
#include "ui/win32/Window.h"
#include "viewer/BinHexTypes.h"
#include "viewer/ByteStream.h"

namespace tavrix::win32 {

class ViewerHost : public Window {
public:
    // The control's default font is 10 points.
    static constexpr int kDefaultFontSize = 10;

    void Create(HWND parent, int id);

    bool OpenStream(ByteStream* stream, bool redraw);
    void SetMode(TZorvBinHexMode mode);
    TZorvBinHexMode Mode() const { return mode_; }
    void SetTextGutter(bool on) { textGutter_ = on; }
    bool TextGutter() const { return textGutter_; }
    void SetTextUrlHilight(bool on) { textUrlHilight_ = on; }
    bool TextUrlHilight() const { return textUrlHilight_; }
    void SetTextGutterLinesStep(int step) {
        textGutterLinesStep_ = step < 1 ? 1 : (step > 10 ? 10 : step);
    }
    int TextGutterLinesStep() const { return textGutterLinesStep_; }
    int FontSize() const { return fontSize_; }
    void SetFontSize(int points) { fontSize_ = points; }
    void Redraw();

    // What the view shows now: the stream's size when the mode was last assigned.
    std::int64_t ShownSize() const { return shownSize_; }
    ByteStream* Stream() const { return stream_; }

protected:
    bool OnPaint() override;

private:
    ByteStream* stream_ = nullptr;
    TZorvBinHexMode mode_ = vbmodeText;
    bool textGutter_ = false;
    bool textUrlHilight_ = true;
    int textGutterLinesStep_ = 5;
    int fontSize_ = kDefaultFontSize;
    std::int64_t shownSize_ = 0;
};

} // namespace tavrix::win32
