#include "base/win32/DelayLoadFailure.h"

#include "base/UiText.h"
#include "base/Unicode.h"
#include "base/win32/SystemErrorText.h"

#include <windows.h>

#include <delayimp.h>

#include <string>

namespace {

FARPROC WINAPI ReportMissingLibrary(unsigned notification, PDelayLoadInfo info) {
    if (notification != dliFailLoadLib && notification != dliFailGetProc) {
        return nullptr;
    }
    std::wstring library = tavrix::WideFromUtf8(info->szDll != nullptr ? info->szDll : "");
    if (notification == dliFailGetProc && info->dlp.fImportByName) {
        library += L" (" + tavrix::WideFromUtf8(info->dlp.szProcName) + L")";
    }
    const std::wstring text =
        tavrix::Tr(L"%1 cannot load %2: %3",
                   {L"Tavrix", library, tavrix::win32::SystemErrorText(info->dwLastError)});
    // Nothing of the program can go on without the routine; returning would raise an
    // exception nobody can handle.
    MessageBoxW(nullptr, text.c_str(), L"Tavrix", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(1);
}

} // namespace

#ifdef _MSC_VER
// The Microsoft helper reads a constant hook, set before the first delay-loaded call.
ExternC const PfnDliHook __pfnDliFailureHook2 = ReportMissingLibrary;
#endif

namespace tavrix::win32 {

void InstallDelayLoadFailureReport() {
#ifndef _MSC_VER
    __pfnDliFailureHook2 = ReportMissingLibrary;
#endif
}

} // namespace tavrix::win32
