#pragma once
// The report of an error that ended a command or an event handler: a message box titled with
// the application's name, an error icon and the error's text. Tests replace the box with a
// recorder so that no modal window blocks them.
#include <windows.h>

#include <functional>
#include <string>

namespace tavrix::win32 {

inline constexpr wchar_t kApplicationTitle[] = L"Tavrix";

using ErrorReporter = std::function<void(HWND owner, const std::wstring& text)>;

void ShowErrorBox(HWND owner, const std::wstring& text);
// Installs a replacement for the message box; an empty function restores the box.
void SetErrorReporter(ErrorReporter reporter);

// The text of the exception being handled (call inside a catch block).
std::wstring CurrentExceptionText();

// Runs work; an exception it throws is reported through ShowErrorBox and swallowed. For
// callbacks and window procedures, which no exception may leave.
template <typename Work> bool RunReportingErrors(HWND owner, Work&& work) {
    try {
        work();
        return true;
    } catch (...) {
        ShowErrorBox(owner, CurrentExceptionText());
        return false;
    }
}

} // namespace tavrix::win32
