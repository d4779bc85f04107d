// The selection: the one setter, select all, none and around, the selected bytes and their
// copy to the clipboard, the caret position under a point, and the mouse that drives it all.
#include "base/Error.h"
#include "base/SwallowedErrors.h"
#include "viewer/SelectionRules.h"
#include "viewer/StringHelpers.h"
#include "viewer/ViewerAssert.h"
#include "viewer/ViewerClipboard.h"
#include "viewer/ViewerKeys.h"
#include "viewer/ViewerMessages.h"
#include "viewer/ZorvBinHex.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <span>

namespace tavrix {

// Lets the mouse selection rules work on the control.
class TZorvBinHex::SelectionHost : public MouseSelectionHost {
public:
    explicit SelectionHost(TZorvBinHex& viewer) : viewer_(viewer) {}
    std::int64_t PosFromCoord(int x, int y, bool strict) override {
        return viewer_.PosFromCoord(x, y, strict);
    }
    void SetSelection(std::int64_t start, std::int64_t length, bool scroll, bool notify,
                      bool redraw) override {
        viewer_.SetSelection(start, length, scroll, notify, redraw);
    }
    void SelectNone(bool notify) override { viewer_.SelectNone(notify); }
    void SelectWordAround(std::int64_t pos) override {
        viewer_.SelectAround(BoundarySet::Word, pos);
    }
    void SelectLineAround(std::int64_t pos) override {
        viewer_.SelectAround(BoundarySet::Line, pos);
    }
    int CharSize() const override { return viewer_.CharSize(); }
    // No host of the control reacts to a clicked link or to a changed selection.
    void ClickLink(std::int64_t) override {}
    void SelectionChanged() override {}
    void ScrollLineUp(int lines) override { viewer_.ScrollLineUp(lines); }
    void ScrollLineDown(int lines) override { viewer_.ScrollLineDown(lines); }
    void ScrollLeft(int pixels) override { viewer_.ScrollLeft(pixels); }
    void ScrollRight(int pixels) override { viewer_.ScrollRight(pixels); }

private:
    TZorvBinHex& viewer_;
};

void TZorvBinHex::SetSelection(std::int64_t start, std::int64_t length, bool /*scroll*/,
                               bool /*notify*/, bool redraw) {
    // Scrolling the selection into view is never asked for in this program, and no host listens
    // to changes of the selection.
    SelectionRequest request;
    request.current = {selStart_, selLength_};
    request.start = start;
    request.length = length;
    request.lastPos = document_.LastPos();
    request.charSize = CharSize();
    request.unicodeModes = IsUnicodeMode(options_.mode);
    const SelectionUpdate update = ApplySelectionRequest(request);
    if (!update.accepted) {
        return;
    }
    selStart_ = update.result.start;
    selLength_ = update.result.length;
    if (redraw) {
        Redraw();
    }
}

void TZorvBinHex::SelectAll() {
    SetSelection(0, document_.Size(), false, true, true);
}

void TZorvBinHex::SelectNone(bool notify) {
    SetSelection(0, 0, false, notify, true);
}

void TZorvBinHex::SelectAround(BoundarySet set, std::int64_t pos) {
    const std::int64_t start = FindBoundary(set, ScanDir::Backward, pos);
    const std::int64_t end = FindBoundary(set, ScanDir::Forward, pos);
    SetSelection(start, end + CharSize() - start, false, true, true);
}

std::string TZorvBinHex::SelText(std::int64_t max) {
    const std::int64_t size = SelectionReadSize(selLength_, max);
    if (size <= 0) {
        return {};
    }
    // Straight from the source, not the buffer: a selection may reach far beyond the view.
    std::string text(static_cast<std::size_t>(size), '\0');
    const std::span<std::uint8_t> bytes(reinterpret_cast<std::uint8_t*>(text.data()), text.size());
    const std::optional<std::int64_t> count = document_.Read(selStart_, bytes);
    if (!count) {
        surface_.ReportError(ViewerCannotReadStream());
        return {};
    }
    text.resize(static_cast<std::size_t>(std::clamp<std::int64_t>(*count, 0, size)));
    return text;
}

std::wstring TZorvBinHex::SelTextW() {
    if (!IsUnicodeMode(options_.mode)) {
        FailAssertion(L"SelTextW is called in non-Unicode mode", L"ZorvBinHex");
    }
    const std::string bytes = SelText(0);
    return BytesToWide(bytes.data(), bytes.size(), document_.ByteOrder() == kOrderBigEndian);
}

void TZorvBinHex::CopyToClipboard(bool asHex) {
    ClipboardPort* clipboard = surface_.Clipboard();
    if (clipboard == nullptr) {
        return;
    }
    try {
        if (IsUnicodeMode(options_.mode)) {
            std::wstring text = SelTextW();
            ReplaceNulls(text);
            SetClipboardTextW(*clipboard, text);
        } else {
            std::string text = SelText(0);
            if (asHex) {
                SetClipboardText(*clipboard, BytesToHexText(text), ViewerEncoding::ANSI);
            } else {
                ReplaceNulls(text);
                SetClipboardText(*clipboard, text, options_.textEncoding);
            }
        }
    } catch (const std::exception&) {
        LogSwallowed(L"TZorvBinHex::CopyToClipboard");
        surface_.ReportError(ViewerCannotCopy());
    }
}

std::int64_t TZorvBinHex::PosFromCoord(int x, int y, bool strict) {
    Canvas* canvas = surface_.Picture();
    if (canvas == nullptr) {
        return -1;
    }
    // Measure with the font the lines were drawn in.
    canvas->SetFont(CurrentFont());
    return positions_.OffsetAtPoint(*canvas, x, y, OutputOptions(), strict);
}

void TZorvBinHex::MouseDown(MouseButton button, int x, int y, unsigned modifiers, std::uint32_t now,
                            std::uint32_t doubleClickTime) {
    if (panMode_) {
        LeavePanMode();
        return;
    }
    SelectionHost host(*this);
    switch (button) {
    case MouseButton::Left:
        mouse_.LeftPress(host, x, y, (modifiers & (kModShift | kModCtrl | kModAlt)) == kModShift,
                         now, doubleClickTime);
        break;
    case MouseButton::Middle:
        panCursor_ = 0;
        EnterPanMode({x, y});
        break;
    case MouseButton::Right:
        break;
    }
}

void TZorvBinHex::DblClick() {
    SelectionHost host(*this);
    mouse_.DoubleClick(host);
}

void TZorvBinHex::MouseMove(int x, int y) {
    SelectionHost host(*this);
    const bool timer =
        mouse_.Move(host, x, y, surface_.ClientWidth(), surface_.ClientHeight(), LeftMargin());
    surface_.SetTimerActive(ViewerTimer::Select, timer);
}

void TZorvBinHex::MouseUp(MouseButton button, int x, int y) {
    if (button != MouseButton::Left) {
        return;
    }
    SelectionHost host(*this);
    mouse_.LeftRelease(host, x, y);
    surface_.SetTimerActive(ViewerTimer::Select, false);
}

void TZorvBinHex::SelectTimerTick(int cursorY) {
    SelectionHost host(*this);
    mouse_.TimerTick(host, surface_.ClientWidth(), surface_.ClientHeight(), cursorY);
}

} // namespace tavrix
