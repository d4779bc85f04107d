#pragma once
// Owners of kernel objects and loaded modules. Files say "nothing" with INVALID_HANDLE_VALUE,
// processes, threads, events and pipes with null, so each has its own owner.
#include "base/win32/Unique.h"

#include <windows.h>

namespace tavrix::win32 {

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { CloseHandle(handle); }
};

// A process, thread, event or pipe end.
using UniqueHandle = Unique<FreedBy<HANDLE, CloseHandle>>;
// A file opened with CreateFileW.
using UniqueFile = Unique<FileHandleTraits>;
// A library loaded with LoadLibraryW.
using Module = Unique<FreedBy<HMODULE, FreeLibrary>>;

// A function of a loaded library, null when it has none of that name. GetProcAddress hands out a
// generic function pointer; going through void* gives the real type without a warning.
template <typename Function> Function ProcedureOf(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace tavrix::win32
