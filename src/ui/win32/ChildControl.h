#pragma once
// Creation of the system's controls (tree, toolbar, status bar, tooltip) inside our windows. A
// control that cannot be created is an Error with the system's reason, so the window that needed
// it fails its creation instead of living on without a part.
#include <windows.h>

#include <string>

namespace tavrix::win32 {

struct ChildControlDesign {
    const wchar_t* className = nullptr;
    DWORD exStyle = 0;
    DWORD style = 0;
    HWND parent = nullptr;
    // The control's identifier for WM_COMMAND and WM_NOTIFY; 0 for popups such as tooltips.
    int id = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

HWND CreateChildControl(const ChildControlDesign& design);

// "Cannot create window "<class>". ", the one text before the system's reason for every window
// that fails.
std::wstring CannotCreateWindowContext(const wchar_t* className);

} // namespace tavrix::win32
