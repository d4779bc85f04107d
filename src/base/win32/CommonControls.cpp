#include "base/win32/CommonControls.h"

#include "base/win32/LibraryOnFirstUse.h"

namespace tavrix::win32 {

namespace {

template <typename Function> void Find(Function& function, const char* name) {
    function = RoutineOnFirstUse<Function>(L"comctl32.dll", name);
}

CommonControlsLibrary Load() {
    // The controls draw through the theme library, which loads msimg32 for its first blend by
    // the plain search order; under Wine that load ignores the program's restriction and would
    // take a file of that name from the program's folder. Loaded from the system folder first,
    // it is found in place.
    LibraryOnFirstUse(L"msimg32.dll");
    CommonControlsLibrary functions;
    Find(functions.initCommonControlsEx, "InitCommonControlsEx");
    Find(functions.imageListCreate, "ImageList_Create");
    Find(functions.imageListDestroy, "ImageList_Destroy");
    Find(functions.imageListAdd, "ImageList_Add");
    Find(functions.imageListDraw, "ImageList_Draw");
    Find(functions.imageListGetIconSize, "ImageList_GetIconSize");
    Find(functions.imageListGetImageCount, "ImageList_GetImageCount");
    Find(functions.setWindowSubclass, "SetWindowSubclass");
    Find(functions.removeWindowSubclass, "RemoveWindowSubclass");
    Find(functions.defSubclassProc, "DefSubclassProc");
    return functions;
}

} // namespace

const CommonControlsLibrary& CommonControls() {
    static const CommonControlsLibrary functions = Load();
    return functions;
}

void InitCommonControlClasses(DWORD classes) {
    INITCOMMONCONTROLSEX init{.dwSize = sizeof(init), .dwICC = classes};
    CommonControls().initCommonControlsEx(&init);
}

} // namespace tavrix::win32
