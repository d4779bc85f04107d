#include "clipboard/win32/WindowProcess.h"

#include "base/win32/KernelHandles.h"

#include <string>

namespace tavrix::win32 {

namespace {

constexpr DWORD kLongestPath = 32768;

std::wstring ExecutableName(DWORD processId) {
    // The limited right is granted for most processes, also elevated ones.
    UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) {
        return {};
    }
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = MAX_PATH;
    BOOL read = QueryFullProcessImageNameW(process.get(), 0, path.data(), &length);
    if (!read && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        path.assign(kLongestPath, L'\0');
        length = kLongestPath;
        read = QueryFullProcessImageNameW(process.get(), 0, path.data(), &length);
    }
    if (!read) {
        return {};
    }
    path.resize(length);
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

DWORD ProcessIdOf(HWND window) {
    DWORD processId = 0;
    return window != nullptr && GetWindowThreadProcessId(window, &processId) != 0 ? processId : 0;
}

} // namespace

std::optional<ClipboardProcess> WindowProcessCache::ProcessOf(HWND window) {
    const DWORD processId = ProcessIdOf(window);
    if (processId == 0) {
        return std::nullopt;
    }
    // A window of that id in a process of that id, both handed out anew, would be needed to
    // mistake one program for another.
    if (window != window_ || processId != process_.processId || process_.exeName.empty()) {
        window_ = window;
        process_ = {.exeName = ExecutableName(processId), .processId = processId};
    }
    return process_;
}

} // namespace tavrix::win32
