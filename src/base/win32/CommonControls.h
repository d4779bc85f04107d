#pragma once
// The common controls library, loaded when the first window made of them is built rather than at
// the program's start: a script's run that opens no window does not pay for it (some megabytes of
// memory). The library comes in the version the program's manifest asks for.
#include <windows.h>

#include <commctrl.h>

namespace tavrix::win32 {

struct CommonControlsLibrary {
    decltype(&InitCommonControlsEx) initCommonControlsEx = nullptr;
    decltype(&ImageList_Create) imageListCreate = nullptr;
    decltype(&ImageList_Destroy) imageListDestroy = nullptr;
    decltype(&ImageList_Add) imageListAdd = nullptr;
    decltype(&ImageList_Draw) imageListDraw = nullptr;
    decltype(&ImageList_GetIconSize) imageListGetIconSize = nullptr;
    decltype(&ImageList_GetImageCount) imageListGetImageCount = nullptr;
    decltype(&SetWindowSubclass) setWindowSubclass = nullptr;
    decltype(&RemoveWindowSubclass) removeWindowSubclass = nullptr;
    decltype(&DefSubclassProc) defSubclassProc = nullptr;
};

// Loads the library on the first call. Throws Error "Cannot load comctl32.dll ..." when it or one
// of its functions is missing.
const CommonControlsLibrary& CommonControls();

// Loads the library and registers the window classes of the controls in classes (ICC_ flags).
void InitCommonControlClasses(DWORD classes);

} // namespace tavrix::win32
