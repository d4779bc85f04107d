// The keyboard, the mouse wheel and pan mode.
#include "viewer/LineDrawing.h"
#include "viewer/PanMode.h"
#include "viewer/ViewerKeys.h"
#include "viewer/ViewerWheel.h"
#include "viewer/ZorvBinHex.h"

#include <climits>
#include <utility>

namespace tavrix {

bool TZorvBinHex::KeyDown(unsigned virtualKey, unsigned modifiers) {
    LeavePanMode();
    using Step = void (*)(TZorvBinHex&);
    static constexpr std::pair<ViewerKeyCommand, Step> kSteps[] = {
        {ViewerKeyCommand::PageDown, [](TZorvBinHex& v) { v.ScrollPageDown(); }},
        {ViewerKeyCommand::PageUp, [](TZorvBinHex& v) { v.ScrollPageUp(); }},
        {ViewerKeyCommand::LineDown, [](TZorvBinHex& v) { v.ScrollLineDown(1); }},
        {ViewerKeyCommand::LineUp, [](TZorvBinHex& v) { v.ScrollLineUp(1); }},
        {ViewerKeyCommand::ToBegin, [](TZorvBinHex& v) { v.ScrollToBegin(); }},
        {ViewerKeyCommand::ToEnd, [](TZorvBinHex& v) { v.ScrollToEnd(); }},
        {ViewerKeyCommand::ScrollLeft, [](TZorvBinHex& v) { v.ScrollLeft(kKeyScrollPixels); }},
        {ViewerKeyCommand::ScrollRight, [](TZorvBinHex& v) { v.ScrollRight(kKeyScrollPixels); }},
        {ViewerKeyCommand::LeftEdge, [](TZorvBinHex& v) { v.SetHViewPos(0, true); }},
        {ViewerKeyCommand::RightEdge, [](TZorvBinHex& v) { v.SetHViewPos(INT_MAX, true); }},
        {ViewerKeyCommand::SelectAll, [](TZorvBinHex& v) { v.SelectAll(); }},
        {ViewerKeyCommand::Copy, [](TZorvBinHex& v) { v.CopyToClipboard(false); }},
    };
    const ViewerKeyCommand command = KeyCommand(virtualKey, modifiers);
    for (const auto& [key, step] : kSteps) {
        if (key == command) {
            step(*this);
            return true;
        }
    }
    return false;
}

void TZorvBinHex::MouseWheel(int delta, unsigned modifiers, int scrollLines) {
    const WheelStep step = wheel_.Vertical(delta, modifiers, scrollLines);
    switch (step.action) {
    case WheelAction::LinesUp:
        ScrollLineUp(step.count);
        break;
    case WheelAction::LinesDown:
        ScrollLineDown(step.count);
        break;
    case WheelAction::PagesUp:
        for (int i = 0; i < step.count; ++i) {
            ScrollPageUp();
        }
        break;
    case WheelAction::PagesDown:
        for (int i = 0; i < step.count; ++i) {
            ScrollPageDown();
        }
        break;
    case WheelAction::ScrollLeft:
        ScrollLeft(step.count);
        break;
    case WheelAction::ScrollRight:
        ScrollRight(step.count);
        break;
    case WheelAction::FontLarger:
    case WheelAction::FontSmaller:
        for (int i = 0; i < step.count; ++i) {
            StepFont(step.action == WheelAction::FontLarger);
        }
        break;
    case WheelAction::None:
        break;
    }
}

void TZorvBinHex::MouseHWheel(int delta) {
    const WheelStep step = wheel_.Horizontal(delta);
    if (step.action == WheelAction::ScrollLeft) {
        ScrollLeft(step.count);
    } else if (step.action == WheelAction::ScrollRight) {
        ScrollRight(step.count);
    }
}

bool TZorvBinHex::StepFont(bool larger) {
    Canvas* canvas = surface_.Picture();
    if (canvas == nullptr) {
        return false;
    }
    // The OEM font is the one on the screen while it is in use; step that one.
    ViewerFont font = CurrentFont();
    if (!StepFontSize(font, *canvas, larger)) {
        return false;
    }
    if (OemFontInUse()) {
        options_.fontOEM = font;
    } else {
        options_.font = font;
    }
    Redraw();
    return true;
}

void TZorvBinHex::PanTimerTick(Point cursor) {
    if (!panMode_) {
        return;
    }
    const PanStep step = PanStepFor(panOrigin_, cursor);
    panCursor_ = step.cursor;
    switch (step.move) {
    case PanMove::LinesUp:
        ScrollLineUp(step.amount);
        break;
    case PanMove::LinesDown:
        ScrollLineDown(step.amount);
        break;
    case PanMove::ScrollLeft:
        ScrollLeft(step.amount);
        break;
    case PanMove::ScrollRight:
        ScrollRight(step.amount);
        break;
    case PanMove::None:
        break;
    }
}

void TZorvBinHex::FocusLost() {
    LeavePanMode();
    wheel_.Reset();
}

} // namespace tavrix
