#pragma once
// The system's text for an error code, without the trailing line break, and the one way to fail
// with it: the context of the failed call followed by the system's reason.
#include <windows.h>

#include <string>

namespace tavrix::win32 {

std::wstring SystemErrorText(DWORD code);

// Throws Error "<context><the system's text for code>"; context ends with its own separator
// (". ", ": ").
[[noreturn]] void ThrowSystemError(const std::wstring& context, DWORD code);
// The same for the calling thread's last error.
[[noreturn]] void ThrowLastError(const std::wstring& context);

} // namespace tavrix::win32
