#include "clipboard/win32/WindowProcess.h"

#include "base/win32/KernelHandles.h"

#include <string>

namespace tavrix::win32 {

namespace {
constexpr DWORD kLongestPath = 32768;
}

std::optional<ClipboardProcess> ProcessOfWindow(HWND window) {
    if (window == nullptr) {
        return std::nullopt;
    }
    DWORD processId = 0;
    if (GetWindowThreadProcessId(window, &processId) == 0 || processId == 0) {
        return std::nullopt;
    }
    ClipboardProcess result{.exeName = {}, .processId = processId};
    // The limited right is granted for most processes, also elevated ones.
    UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) {
        return result;
    }
    std::wstring path(kLongestPath, L'\0');
    DWORD length = kLongestPath;
    if (QueryFullProcessImageNameW(process.get(), 0, path.data(), &length)) {
        path.resize(length);
        const auto slash = path.find_last_of(L"\\/");
        result.exeName = slash == std::wstring::npos ? path : path.substr(slash + 1);
    }
    return result;
}

} // namespace tavrix::win32
