#include "base/win32/SystemErrorText.h"
#include "base/UiText.h"

#include "base/Error.h"

namespace tavrix::win32 {

std::wstring SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text;
    if (length > 0 && buffer != nullptr) {
        text.assign(buffer, length);
    }
    if (buffer != nullptr) {
        LocalFree(buffer);
    }
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    if (text.empty()) {
        text = Tr(L"System error %1", {std::to_wstring(code)});
    }
    return text;
}

void ThrowSystemError(const std::wstring& context, DWORD code) {
    throw Error(context + SystemErrorText(code));
}

void ThrowLastError(const std::wstring& context) {
    // Read before anything else can change it.
    const DWORD code = GetLastError();
    ThrowSystemError(context, code);
}

} // namespace tavrix::win32
