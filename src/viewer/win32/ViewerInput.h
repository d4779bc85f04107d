#pragma once
// The viewer window's input: scroll bars, keys, wheel, mouse buttons and pointer, the pan and
// select timers, the cursor, the context menu and the two encoding menus. The window that shows
// a TZorvBinHex hands every message to HandleMessage first and only processes the messages it
// leaves. Its class needs CS_DBLCLKS, so that double-clicks arrive.
#include "viewer/ZorvBinHex.h"
#include "viewer/win32/ViewerMenus.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace tavrix::win32 {

// The timer identifiers of the viewer window's select and pan timers.
inline constexpr UINT_PTR kViewerSelectTimerId = 1;
inline constexpr UINT_PTR kViewerPanTimerId = 2;

class ViewerInput {
public:
    explicit ViewerInput(TZorvBinHex& viewer) : viewer_(viewer) {}
    ViewerInput(const ViewerInput&) = delete;
    ViewerInput& operator=(const ViewerInput&) = delete;

    // True when the message was the viewer's; result is then the message's result.
    bool HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The encoding menu of the current mode at a screen point, centred on it.
    void ShowEncodingMenu(HWND window, POINT screenPoint);
    // The two encoding menus, built at their first use and kept.
    HMENU EightBitMenu();
    HMENU UnicodeMenu();
    // Commands of the host in the context menu: items gives them when the menu opens, run runs
    // the one chosen.
    void SetHostCommands(std::function<std::vector<HostMenuItem>()> items,
                         std::function<void(UINT id)> run);

private:
    void ButtonDown(HWND window, TZorvBinHex::MouseButton button, LPARAM lParam, WPARAM keys,
                    bool doubleClick);
    void ContextMenu(HWND window, LPARAM lParam);
    void PanTick(HWND window);
    void SelectTick(HWND window);

    TZorvBinHex& viewer_;
    Menu eightBitMenu_;
    Menu unicodeMenu_;
    bool skipNextContextMenu_ = false;
    std::function<std::vector<HostMenuItem>()> hostItems_;
    std::function<void(UINT)> runHost_;
};

} // namespace tavrix::win32
