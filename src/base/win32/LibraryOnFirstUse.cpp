#include "base/win32/LibraryOnFirstUse.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "base/Unicode.h"
#include "base/win32/KernelHandles.h"
#include "base/win32/SystemErrorText.h"
#include "base/win32/SystemLibraries.h"

#include <map>
#include <mutex>
#include <string>

namespace tavrix::win32 {

HMODULE LibraryOnFirstUse(const wchar_t* name) {
    static std::mutex lock;
    static std::map<std::wstring, Module, std::less<>> loaded;
    const std::scoped_lock guard(lock);
    if (const auto found = loaded.find(name); found != loaded.end()) {
        return found->second.get();
    }
    Module library(LoadSystemLibrary(name));
    if (!library) {
        const DWORD code = GetLastError();
        throw Error(Tr(L"Cannot load %1: %2", {name, SystemErrorText(code)}));
    }
    return loaded.emplace(name, std::move(library)).first->second.get();
}

void* RoutineAddressIfPresent(const wchar_t* library, const char* routine) {
    return reinterpret_cast<void*>(GetProcAddress(LibraryOnFirstUse(library), routine));
}

void* RoutineAddress(const wchar_t* library, const char* routine) {
    const FARPROC address = GetProcAddress(LibraryOnFirstUse(library), routine);
    if (address == nullptr) {
        const DWORD code = GetLastError();
        throw Error(Tr(L"Cannot load %1 (%2): %3",
                       {library, WideFromUtf8(routine), SystemErrorText(code)}));
    }
    return reinterpret_cast<void*>(address);
}

} // namespace tavrix::win32
