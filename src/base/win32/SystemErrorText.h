#pragma once
// The system's text for an error code, without the trailing line break.
#include <windows.h>

#include <string>

namespace tavrix::win32 {

std::wstring SystemErrorText(DWORD code);

} // namespace tavrix::win32
