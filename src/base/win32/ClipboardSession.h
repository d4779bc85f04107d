#pragma once
// OpenClipboard for a scope, CloseClipboard at its end. The system does not count opens: the
// clipboard port does, and keeps one session for its outermost open.
#include "base/ScopeExit.h"

#include <windows.h>

#include <optional>

namespace tavrix::win32 {

using ClipboardSession = ScopeExit<decltype(&CloseClipboard)>;

// Empty when another window holds the clipboard.
inline std::optional<ClipboardSession> OpenClipboardSession(HWND owner) {
    if (!OpenClipboard(owner)) {
        return std::nullopt;
    }
    return ClipboardSession(CloseClipboard);
}

} // namespace tavrix::win32
