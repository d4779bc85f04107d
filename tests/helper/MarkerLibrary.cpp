// A library that only tells that it ran: built under the names of system libraries and put
// beside a program or in its current folder, it shows whether the program loaded one of them from
// there. Its start leaves "<its own file>.ran" beside it.
#include "base/win32/KernelHandles.h"

#include <windows.h>

#include <cwchar>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) {
        return TRUE;
    }
    wchar_t path[MAX_PATH + 8] = {};
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        std::wmemcpy(path + length, L".ran", 5);
        tavrix::win32::UniqueFile mark(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    return TRUE;
}
