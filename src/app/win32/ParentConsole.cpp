#include "app/win32/ParentConsole.h"

#include <windows.h>

#include <string>

namespace tavrix::win32 {

namespace {

DWORD StandardHandleId(ConsoleStream stream) {
    return stream == ConsoleStream::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
}

bool IsUsable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// The handle the text goes to: one the script handed over, or the starting process's console.
// The standard handles belong to the process and are never closed here.
HANDLE TargetHandle(ConsoleStream stream) {
    HANDLE handle = GetStdHandle(StandardHandleId(stream));
    if (IsUsable(handle)) {
        return handle;
    }
    // Attached once; a second call fails with the console already attached, which is fine.
    static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    if (!attached) {
        return nullptr;
    }
    handle = GetStdHandle(StandardHandleId(stream));
    return IsUsable(handle) ? handle : nullptr;
}

std::string Utf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int wide = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, bytes.data(), size, nullptr, nullptr);
    }
    return bytes;
}

} // namespace

bool WriteToParentConsole(const std::wstring& text, ConsoleStream stream) {
    HANDLE handle = TargetHandle(stream);
    if (handle == nullptr) {
        return false;
    }
    const std::wstring line = text + L"\r\n";
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        // A real console shows every character given as UTF-16.
        return WriteConsoleW(handle, line.data(), static_cast<DWORD>(line.size()), &written,
                             nullptr) != FALSE;
    }
    // A file or a pipe: UTF-8, what scripts read best.
    const std::string bytes = Utf8(line);
    return WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) !=
           FALSE;
}

} // namespace tavrix::win32
