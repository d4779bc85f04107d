#include "viewer/win32/ViewerInput.h"

#include "viewer/EncodingMenuLayout.h"
#include "viewer/MouseSelection.h"
#include "viewer/PanMode.h"
#include "viewer/ScrollBarMath.h"
#include "viewer/ViewerKeys.h"
#include "viewer/ViewerWheel.h"
#include "viewer/win32/PanCursors.h"

#include <windowsx.h>

#include <utility>

namespace tavrix::win32 {

namespace {

unsigned HeldModifiers() {
    unsigned modifiers = kModNone;
    if (GetKeyState(VK_SHIFT) < 0) {
        modifiers |= kModShift;
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        modifiers |= kModCtrl;
    }
    if (GetKeyState(VK_MENU) < 0) {
        modifiers |= kModAlt;
    }
    return modifiers;
}

int WheelScrollLines() {
    UINT lines = 3;
    if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) {
        return 3;
    }
    return lines == WHEEL_PAGESCROLL ? kWheelScrollPage : static_cast<int>(lines);
}

Point ClientCursor(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(window, &cursor);
    return {cursor.x, cursor.y};
}

} // namespace

bool ViewerInput::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_GETDLGCODE:
        // The arrow keys reach the viewer inside dialogs too.
        result = DLGC_WANTARROWS;
        return true;
    case WM_VSCROLL:
        viewer_.VertScrollMessage(LOWORD(wParam), HIWORD(wParam));
        return true;
    case WM_HSCROLL: {
        int thumb = HIWORD(wParam);
        if (LOWORD(wParam) == SB_THUMBTRACK || LOWORD(wParam) == SB_THUMBPOSITION) {
            // The message carries only 16 bits; the bar's own track position has them all.
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_TRACKPOS;
            if (GetScrollInfo(window, SB_HORZ, &info)) {
                thumb = info.nTrackPos;
            }
        }
        viewer_.HorzScrollMessage(LOWORD(wParam), thumb);
        return true;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        // Every key ends pan mode; keys that are not the viewer's go on to the default handling.
        const bool wasPanning = viewer_.PanMode();
        const bool handled = viewer_.KeyDown(static_cast<unsigned>(wParam), HeldModifiers());
        if (wasPanning) {
            ShowViewerCursor(viewer_.CursorNumber());
        }
        return handled;
    }
    case WM_MOUSEWHEEL:
        viewer_.MouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), HeldModifiers(), WheelScrollLines());
        return true;
    case WM_MOUSEHWHEEL:
        viewer_.MouseHWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ButtonDown(window, TZorvBinHex::MouseButton::Left, lParam, wParam,
                   message == WM_LBUTTONDBLCLK);
        return true;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        ButtonDown(window, TZorvBinHex::MouseButton::Middle, lParam, wParam, false);
        return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        // A press that only ends pan mode does nothing else, so its release brings no menu.
        skipNextContextMenu_ = viewer_.PanMode();
        ButtonDown(window, TZorvBinHex::MouseButton::Right, lParam, wParam, false);
        return false; // the default processing asks for the context menu on release
    case WM_LBUTTONUP:
        viewer_.MouseUp(TZorvBinHex::MouseButton::Left, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        if (GetCapture() == window) {
            ReleaseCapture();
        }
        return true;
    case WM_MOUSEMOVE:
        viewer_.MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return true;
    case WM_SETCURSOR:
        if (LOWORD(lParam) != HTCLIENT) {
            return false;
        }
        ShowViewerCursor(viewer_.CursorNumber());
        result = TRUE;
        return true;
    case WM_TIMER:
        if (wParam == kViewerPanTimerId) {
            PanTick(window);
            return true;
        }
        if (wParam == kViewerSelectTimerId) {
            SelectTick(window);
            return true;
        }
        return false;
    case WM_KILLFOCUS:
        viewer_.FocusLost();
        return false;
    case WM_CONTEXTMENU:
        ContextMenu(window, lParam);
        return true;
    default:
        return false;
    }
}

void ViewerInput::ButtonDown(HWND window, TZorvBinHex::MouseButton button, LPARAM lParam,
                             WPARAM keys, bool doubleClick) {
    // Any press gives the viewer the keyboard focus.
    if (GetFocus() != window) {
        SetFocus(window);
    }
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    unsigned modifiers = kModNone;
    if ((keys & MK_SHIFT) != 0) {
        modifiers |= kModShift;
    }
    if ((keys & MK_CONTROL) != 0) {
        modifiers |= kModCtrl;
    }
    if (GetKeyState(VK_MENU) < 0) {
        modifiers |= kModAlt;
    }
    const bool wasPanning = viewer_.PanMode();
    if (doubleClick && !wasPanning) {
        viewer_.DblClick();
    }
    viewer_.MouseDown(button, x, y, modifiers, GetTickCount(), GetDoubleClickTime());
    if (button == TZorvBinHex::MouseButton::Left && viewer_.MouseState().mouseSelecting) {
        // Keep receiving the pointer while a drag leaves the window, for the edge scrolling.
        SetCapture(window);
    }
    ShowViewerCursor(viewer_.CursorNumber());
}

void ViewerInput::ContextMenu(HWND window, LPARAM lParam) {
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const bool fromKeyboard = screen.x == -1 && screen.y == -1;
    if (std::exchange(skipNextContextMenu_, false) && !fromKeyboard) {
        return;
    }
    if (fromKeyboard) {
        // From the keyboard: no point of the text; the menu opens at the window's corner.
        viewer_.ContextMenuRequested({-1, -1});
        screen = {0, 0};
        ClientToScreen(window, &screen);
    } else {
        POINT client = screen;
        ScreenToClient(window, &client);
        viewer_.ContextMenuRequested({client.x, client.y});
    }
    const std::vector<HostMenuItem> hostItems =
        hostItems_ ? hostItems_() : std::vector<HostMenuItem>{};
    Menu menu = CreateContextMenu(viewer_.ContextMenuItems(), hostItems);
    if (!menu) {
        return;
    }
    const UINT chosen = TrackMenuAt(menu.get(), window, screen);
    for (const HostMenuItem& item : hostItems) {
        if (item.id == chosen && chosen != 0 && runHost_) {
            runHost_(chosen);
            return;
        }
    }
    if (chosen < kContextCommandBase ||
        chosen > kContextCommandBase + static_cast<UINT>(PopupCommand::EncodingMenu)) {
        return;
    }
    const auto command = static_cast<PopupCommand>(chosen - kContextCommandBase);
    if (command == PopupCommand::EncodingMenu) {
        POINT cursor{};
        GetCursorPos(&cursor);
        ShowEncodingMenu(window, cursor);
    } else {
        viewer_.ExecutePopupCommand(command);
    }
}

void ViewerInput::SetHostCommands(std::function<std::vector<HostMenuItem>()> items,
                                  std::function<void(UINT id)> run) {
    hostItems_ = std::move(items);
    runHost_ = std::move(run);
}

HMENU ViewerInput::EightBitMenu() {
    if (!eightBitMenu_) {
        eightBitMenu_ = CreateEncodingMenu(LayoutEightBitEncodingMenu(SystemEncodingMenuSource()));
    }
    return eightBitMenu_.get();
}

HMENU ViewerInput::UnicodeMenu() {
    if (!unicodeMenu_) {
        unicodeMenu_ = CreateEncodingMenu(LayoutUnicodeEncodingMenu(SystemEncodingMenuSource()));
    }
    return unicodeMenu_.get();
}

void ViewerInput::ShowEncodingMenu(HWND window, POINT screenPoint) {
    const bool unicode = IsUnicodeMode(viewer_.Options().mode);
    HMENU menu = unicode ? UnicodeMenu() : EightBitMenu();
    if (menu == nullptr) {
        return;
    }
    CheckEncodingItem(menu, unicode ? TagOfUnicodeOrder(viewer_.UnicodeOrder())
                                    : static_cast<int>(viewer_.Options().textEncoding));
    const UINT chosen = TrackMenuCentered(menu, window, screenPoint);
    if (chosen < kEncodingItemBase) {
        return;
    }
    const int tag = static_cast<int>(chosen - kEncodingItemBase);
    if (unicode) {
        viewer_.ChooseUnicodeOrder(tag);
    } else {
        viewer_.ChooseEncoding(tag);
    }
}

void ViewerInput::PanTick(HWND window) {
    viewer_.PanTimerTick(ClientCursor(window));
    ShowViewerCursor(viewer_.CursorNumber());
}

void ViewerInput::SelectTick(HWND window) {
    viewer_.SelectTimerTick(ClientCursor(window).y);
}

} // namespace tavrix::win32
