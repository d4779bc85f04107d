#pragma once
// What the viewer's model needs from the window that shows it: the off-screen picture to draw
// into, the client size, the scroll bars, showing the picture, the control's timers, the
// clipboard it copies to, and the user's answer to a question or the user told of an error. The
// model never shows anything to the user itself. The Win32 window implements it; unit tests use a
// fake over a recording canvas.
#include "viewer/Canvas.h"

#include <string>

namespace tavrix {

class ClipboardPort;

// Range, page and position of one scroll bar; all zero hides the bar.
struct ScrollBarState {
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;
    bool operator==(const ScrollBarState&) const = default;
};

enum class ViewerTimer {
    Select, // 50 ms: scrolls while a selection is dragged past an edge
    Pan,    // 100 ms: moves the view in pan mode
};

class ViewerSurface {
public:
    virtual ~ViewerSurface() = default;
    // The off-screen picture; nullptr when it could not be made.
    virtual Canvas* Picture() = 0;
    virtual int ClientWidth() = 0;
    virtual int ClientHeight() = 0;
    virtual void SetVertScrollBar(const ScrollBarState& state) = 0;
    virtual void SetHorzScrollBar(const ScrollBarState& state) = 0;
    // Copies the picture to the window now.
    virtual void Present() = 0;
    virtual void SetTimerActive(ViewerTimer timer, bool active) = 0;
    // Reading the source failed: true when the user wants it tried again.
    virtual bool RetryRead() = 0;
    // An error the user must hear of; the model goes on without what failed.
    virtual void ReportError(const std::wstring& text) = 0;
    // The clipboard the viewer's Copy commands write to; without one they do nothing.
    virtual ClipboardPort* Clipboard() { return nullptr; }
};

} // namespace tavrix
