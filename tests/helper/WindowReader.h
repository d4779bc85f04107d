// Reads the format tree and the status bar of another process's window, for end-to-end checks.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace cliphelper {

struct WindowContents {
    std::vector<std::wstring> nodes;  // the tree's items, top level first, each followed by its
                                      // children indented by two blanks per level
    std::wstring selected;            // the selected tree item's text
    std::vector<std::wstring> panels; // the status bar's panel texts
    std::wstring message;             // the text over the whole bar, when it shows one
    SIZE client{};                    // the window's client area
    SIZE tree{};                      // the tree's outer size
};

// The window's tree and its top-level items with their texts, in order.
struct TreeItems {
    HWND tree = nullptr;
    std::vector<HTREEITEM> items;
    std::vector<std::wstring> texts;
    HTREEITEM selected = nullptr;
};

// Both throw std::runtime_error when the other process cannot be read.
WindowContents ReadWindowContents(HWND window);
TreeItems ReadTreeItems(HWND window);

} // namespace cliphelper
