#include "ui/win32/ErrorBox.h"

#include "base/Error.h"
#include "base/UiText.h"

#include <exception>

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

std::wstring CurrentExceptionText() {
    try {
        throw;
    } catch (const Error& e) {
        return e.Message();
    } catch (const std::exception& e) {
        std::wstring text;
        for (const char* p = e.what(); *p != '\0'; ++p) {
            text.push_back(static_cast<unsigned char>(*p));
        }
        return text;
    } catch (...) {
        return Tr(L"Unknown error");
    }
}

} // namespace tavrix::win32
