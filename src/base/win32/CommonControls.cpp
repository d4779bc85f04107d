#include "base/win32/CommonControls.h"

#include "base/Error.h"
#include "base/win32/KernelHandles.h"

namespace tavrix::win32 {

namespace {

template <typename Function> void Find(HMODULE library, Function& function, const char* name) {
    function = ProcedureOf<Function>(library, name);
    if (function == nullptr) {
        throw Error(L"Cannot load comctl32.dll");
    }
}

CommonControlsLibrary Load(HMODULE library) {
    if (library == nullptr) {
        throw Error(L"Cannot load comctl32.dll");
    }
    CommonControlsLibrary functions;
    Find(library, functions.initCommonControlsEx, "InitCommonControlsEx");
    Find(library, functions.imageListCreate, "ImageList_Create");
    Find(library, functions.imageListDestroy, "ImageList_Destroy");
    Find(library, functions.imageListAdd, "ImageList_Add");
    Find(library, functions.imageListDraw, "ImageList_Draw");
    Find(library, functions.imageListGetIconSize, "ImageList_GetIconSize");
    Find(library, functions.imageListGetImageCount, "ImageList_GetImageCount");
    Find(library, functions.setWindowSubclass, "SetWindowSubclass");
    Find(library, functions.removeWindowSubclass, "RemoveWindowSubclass");
    Find(library, functions.defSubclassProc, "DefSubclassProc");
    return functions;
}

} // namespace

const CommonControlsLibrary& CommonControls() {
    // Kept to the end of the process: the windows and image lists made from it live that long.
    static const Module library(LoadLibraryW(L"comctl32.dll"));
    static const CommonControlsLibrary functions = Load(library.get());
    return functions;
}

void InitCommonControlClasses(DWORD classes) {
    INITCOMMONCONTROLSEX init{.dwSize = sizeof(init), .dwICC = classes};
    CommonControls().initCommonControlsEx(&init);
}

} // namespace tavrix::win32
