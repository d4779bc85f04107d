#pragma once
// The main window's hold on the binary viewer control: the few operations the preview and the
// zoom commands use (stream, mode, gutter, font size, redraw, visibility).
#include "viewer/BinHexTypes.h"
#include "viewer/ByteStream.h"
#include "viewer/win32/BinHexWindow.h"

#include <windows.h>

#include <memory>

namespace tavrix::win32 {

class ViewerHost {
public:
    // The control's default font is 10 points.
    static constexpr int kDefaultFontSize = 10;

    // Creates the control hidden; its Copy commands write to clipboard.
    void Create(ClipboardPort& clipboard, HWND parent, int id);
    HWND Handle() const { return window_ != nullptr ? window_->Handle() : nullptr; }
    TZorvBinHex& Model() { return window_->Model(); }
    // The host's commands in the viewer's context menu (ViewerInput::SetHostCommands).
    void SetHostCommands(std::function<std::vector<HostMenuItem>()> items,
                         std::function<void(UINT id)> run) {
        window_->Input().SetHostCommands(std::move(items), std::move(run));
    }
    const TZorvBinHex& Model() const { return window_->Model(); }

    bool OpenStream(ByteStream* stream, bool redraw);
    void SetMode(ViewerMode mode);
    ViewerMode Mode() const;
    void SetTextGutter(bool on);
    bool TextGutter() const;
    void SetTextUrlHilight(bool on);
    void SetTextGutterLinesStep(int step);
    int FontSize() const;
    void SetFontSize(int points);
    // The main window moved to a screen of another resolution: the fonts follow.
    void FollowDpi(int dpi);
    // The height of the font the control draws with, in pixels (negative: the character height).
    int FontPixelHeight() { return window_->OffscreenPicture().FontPixelHeight(); }
    void Redraw();
    // The size of the source the control shows now.
    std::int64_t ShownSize() const;

private:
    std::unique_ptr<BinHexWindow> window_;
};

} // namespace tavrix::win32
