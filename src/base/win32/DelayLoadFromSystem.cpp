#include "base/win32/DelayLoadFromSystem.h"

#include "base/win32/SystemLibraries.h"

#include <windows.h>

#include <delayimp.h>

namespace {

// The helper asks before it loads a library; the module returned here is the one it uses. When
// the system folder has none, the helper's own attempt finds none either (the search is
// restricted already) and the failure report names the library.
FARPROC WINAPI LoadFromSystemFolder(unsigned notification, PDelayLoadInfo info) {
    if (notification != dliNotePreLoadLibrary || info->szDll == nullptr) {
        return nullptr;
    }
    wchar_t name[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, info->szDll, -1, name, MAX_PATH) == 0) {
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(
        reinterpret_cast<INT_PTR>(tavrix::win32::LoadSystemLibrary(name)));
}

} // namespace

#ifdef _MSC_VER
ExternC const PfnDliHook __pfnDliNotifyHook2 = LoadFromSystemFolder;
#endif

namespace tavrix::win32 {

void InstallDelayLoadFromSystem() {
#ifndef _MSC_VER
    __pfnDliNotifyHook2 = LoadFromSystemFolder;
#endif
}

} // namespace tavrix::win32
