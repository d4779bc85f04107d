#pragma once
// The report of an error that ended a command or an event handler: a message box titled with
// the application's name, an error icon and the error's text. Tests replace the box with a
// recorder so that no modal window blocks them.
#include "base/SwallowedErrors.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tavrix::win32 {

inline constexpr wchar_t kApplicationTitle[] = L"Tavrix";

using ErrorReporter = std::function<void(HWND owner, const std::wstring& text)>;

void ShowErrorBox(HWND owner, const std::wstring& text);
// Installs a replacement for the message box; an empty function restores the box.
void SetErrorReporter(ErrorReporter reporter);

} // namespace tavrix::win32
