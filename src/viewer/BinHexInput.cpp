// The keyboard, the mouse wheel and pan mode.
#include "viewer/LineDrawing.h"
#include "viewer/PanMode.h"
#include "viewer/ViewerKeys.h"
#include "viewer/ViewerWheel.h"
#include "viewer/ZorvBinHex.h"

#include <climits>

namespace tavrix {

bool TZorvBinHex::KeyDown(unsigned virtualKey, unsigned modifiers) {
    LeavePanMode();
    switch (KeyCommand(virtualKey, modifiers)) {
    case ViewerKeyCommand::None:
        return false;
    case ViewerKeyCommand::PageDown:
        ScrollPageDown();
        break;
    case ViewerKeyCommand::PageUp:
        ScrollPageUp();
        break;
    case ViewerKeyCommand::LineDown:
        ScrollLineDown(1);
        break;
    case ViewerKeyCommand::LineUp:
        ScrollLineUp(1);
        break;
    case ViewerKeyCommand::ToBegin:
        ScrollToBegin();
        break;
    case ViewerKeyCommand::ToEnd:
        ScrollToEnd();
        break;
    case ViewerKeyCommand::ScrollLeft:
        ScrollLeft(kKeyScrollPixels);
        break;
    case ViewerKeyCommand::ScrollRight:
        ScrollRight(kKeyScrollPixels);
        break;
    case ViewerKeyCommand::LeftEdge:
        SetHViewPos(0, true);
        break;
    case ViewerKeyCommand::RightEdge:
        SetHViewPos(INT_MAX, true);
        break;
    case ViewerKeyCommand::SelectAll:
        SelectAll();
        break;
    case ViewerKeyCommand::Copy:
        CopyToClipboard(false);
        break;
    }
    return true;
}

void TZorvBinHex::MouseWheel(int delta, unsigned modifiers, int scrollLines) {
    const WheelStep step = wheel_.Vertical(delta, modifiers, scrollLines);
    switch (step.Action) {
    case WheelAction::LinesUp:
        ScrollLineUp(step.Count);
        break;
    case WheelAction::LinesDown:
        ScrollLineDown(step.Count);
        break;
    case WheelAction::PagesUp:
        for (int i = 0; i < step.Count; ++i) {
            ScrollPageUp();
        }
        break;
    case WheelAction::PagesDown:
        for (int i = 0; i < step.Count; ++i) {
            ScrollPageDown();
        }
        break;
    case WheelAction::ScrollLeft:
        ScrollLeft(step.Count);
        break;
    case WheelAction::ScrollRight:
        ScrollRight(step.Count);
        break;
    case WheelAction::FontLarger:
    case WheelAction::FontSmaller:
        for (int i = 0; i < step.Count; ++i) {
            StepFont(step.Action == WheelAction::FontLarger);
        }
        break;
    case WheelAction::None:
        break;
    }
}

void TZorvBinHex::MouseHWheel(int delta) {
    const WheelStep step = wheel_.Horizontal(delta);
    if (step.Action == WheelAction::ScrollLeft) {
        ScrollLeft(step.Count);
    } else if (step.Action == WheelAction::ScrollRight) {
        ScrollRight(step.Count);
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
        options_.FontOEM = font;
    } else {
        options_.Font = font;
    }
    Redraw();
    return true;
}

void TZorvBinHex::PanTimerTick(Point cursor) {
    if (!panMode_) {
        return;
    }
    const PanStep step = PanStepFor(panOrigin_, cursor);
    panCursor_ = step.Cursor;
    switch (step.Move) {
    case PanMove::LinesUp:
        ScrollLineUp(step.Amount);
        break;
    case PanMove::LinesDown:
        ScrollLineDown(step.Amount);
        break;
    case PanMove::ScrollLeft:
        ScrollLeft(step.Amount);
        break;
    case PanMove::ScrollRight:
        ScrollRight(step.Amount);
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
