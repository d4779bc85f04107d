#pragma once
// The viewer control's window: a child window with both scroll bars that owns the off-screen
// picture, copies it to the screen on paint, forwards messages to the view (TZorvBinHex) and
// answers its questions with message boxes. Background erasing is suppressed, so the control never
// flickers. Its object lives in the
// class's extra bytes; an error that ends a handler is logged and kept for diagnosis.
#include "ui/win32/Window.h"
#include "viewer/ZorvBinHex.h"
#include "viewer/win32/GdiCanvas.h"
#include "viewer/win32/PanAnchorBitmap.h"
#include "viewer/win32/ViewerInput.h"

#include <windows.h>

#include <string>

namespace tavrix::win32 {

class BinHexWindow final : public Window, public ViewerSurface {
public:
    static constexpr const wchar_t* kClassName = L"TZorvBinHex";

    // Creates the control as a child of parent; an empty bounds rectangle gives the default
    // size of 200 x 150 pixels. Throws Error when the window cannot be made.
    BinHexWindow(ClipboardPort& clipboard, HWND parent, RECT bounds, int id = 0);
    ~BinHexWindow() override;
    BinHexWindow(const BinHexWindow&) = delete;
    BinHexWindow& operator=(const BinHexWindow&) = delete;

    TZorvBinHex& Model() { return model_; }
    const TZorvBinHex& Model() const { return model_; }
    ViewerInput& Input() { return input_; }
    GdiPicture& OffscreenPicture() { return picture_; }
    // The text of the last error a message handler caught, for diagnosis.
    const std::wstring& LastError() const { return lastError_; }

    // ViewerSurface
    Canvas* Picture() override { return &picture_; }
    int ClientWidth() override;
    int ClientHeight() override;
    void SetVertScrollBar(const ScrollBarState& state) override;
    void SetHorzScrollBar(const ScrollBarState& state) override;
    void Present() override;
    void SetTimerActive(ViewerTimer timer, bool active) override;
    // The viewer's own boxes: Retry and Cancel for a failed read, OK for an error.
    bool RetryRead() override;
    void ReportError(const std::wstring& text) override;
    ClipboardPort* Clipboard() override { return &clipboard_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnPaint() override;
    bool OnEraseBackground(HDC dc) override;
    void OnSize(UINT kind, int width, int height) override;
    void OnDpiChanged(int previousDpi) override;
    void ReportHandlerError(const std::wstring& text) override;
    void PaintTo(HDC dc);
    void SetScrollBar(int bar, const ScrollBarState& state);

    ClipboardPort& clipboard_;
    GdiPicture picture_;
    TZorvBinHex model_{*this};
    ViewerInput input_{model_};
    PanAnchorBitmap anchor_;
    std::wstring lastError_;
    int sizeDepth_ = 0;
};

} // namespace tavrix::win32
