#include "ui/win32/ErrorBox.h"

namespace tavrix::win32 {

namespace {
ErrorReporter& Reporter() {
    static ErrorReporter reporter;
    return reporter;
}
} // namespace

void ShowErrorBox(HWND owner, const std::wstring& text) {
    if (Reporter()) {
        Reporter()(owner, text);
        return;
    }
    MessageBoxW(owner, text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

void SetErrorReporter(ErrorReporter reporter) {
    Reporter() = std::move(reporter);
}

} // namespace tavrix::win32
