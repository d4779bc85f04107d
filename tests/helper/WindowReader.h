// Reads the format tree and the status bar of another process's window, for end-to-end checks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace cliphelper {

struct WindowContents {
    std::vector<std::wstring> nodes;  // the tree's items, top level first, each followed by its
                                      // children indented by two blanks per level
    std::wstring selected;            // the selected tree item's text
    std::vector<std::wstring> panels; // the status bar's panel texts
    SIZE client{};                    // the window's client area
    SIZE tree{};                      // the tree's outer size
};

// Throws std::runtime_error when the other process cannot be read.
WindowContents ReadWindowContents(HWND window);

} // namespace cliphelper
