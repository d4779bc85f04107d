#include "base/win32/SystemLibraries.h"

#include "base/win32/KernelHandles.h"

#include <cwchar>
#include <iterator>

namespace tavrix::win32 {

void RestrictLibrarySearchToSystem() noexcept {
    // Looked up, not imported: Windows 7 has it only with its 2011 loader update, and the program
    // must start without that too.
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    const auto restrict =
        ProcedureOf<SetDirectories>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (restrict == nullptr || !restrict(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        // At least the current folder leaves the search.
        SetDllDirectoryW(L"");
    }
}

HMODULE LoadSystemLibrary(const wchar_t* name) noexcept {
    HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module != nullptr || GetLastError() != ERROR_INVALID_PARAMETER) {
        return module;
    }
    // A system that knows no search flags: the library's full name in the system folder, whose
    // own libraries are then looked for beside it first.
    wchar_t path[MAX_PATH + 64];
    const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
    const std::size_t length = std::wcslen(name);
    if (folder == 0 || folder >= MAX_PATH || folder + 1 + length >= std::size(path)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return nullptr;
    }
    path[folder] = L'\\';
    std::wmemcpy(path + folder + 1, name, length + 1);
    return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace tavrix::win32
