#pragma once
// Owner of the list of files dropped on a window. The system hands the list over with
// WM_DROPFILES and takes it back with DragFinish, whatever the window did with it.
#include "base/win32/Unique.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace tavrix::win32 {

using DroppedFiles = Unique<FreedBy<HDROP, DragFinish>>;

// The full name of the first file dropped; empty when the list holds none.
inline std::wstring FirstDroppedFile(HDROP drop) {
    if (drop == nullptr || DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 0) {
        return {};
    }
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring name(length, L'\0');
    if (length == 0 || DragQueryFileW(drop, 0, name.data(), length + 1) != length) {
        return {};
    }
    return name;
}

} // namespace tavrix::win32
