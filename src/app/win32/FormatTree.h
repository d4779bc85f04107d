#pragma once
// The format tree (tvFormats) on the left of the main window: one top-level node per entry of
// the engine's format list, "Preview" first. Each node keeps its position as its item data, so
// a selection names the node by index. While the change handler is detached, adding, removing
// and selecting nodes reports nothing.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

namespace tavrix::win32 {

class FormatTree {
public:
    using ChangeHandler = std::function<void(int nodeIndex)>;
    // Asked for the context menu of the selected node, at a screen point.
    using MenuHandler = std::function<void(POINT screen)>;

    void Create(HWND parent, int id);
    HWND Handle() const { return tree_; }

    // The indent for the resolution, and the font.
    void ApplyDpi(int pixelsPerInch, HFONT font);
    void SetItemHeight(int height);

    void SetOnChange(ChangeHandler handler) { onChange_ = std::move(handler); }
    void SetOnContextMenu(MenuHandler handler) { onMenu_ = std::move(handler); }
    void Detach() { attached_ = false; }
    void Attach() { attached_ = true; }

    void Clear();
    // A top-level node after the existing ones.
    void AddNode(const std::wstring& text);
    // The text of the node at index; nothing when there is none.
    void SetNodeText(int index, const std::wstring& text);
    // Selects the node at index, as a user's click would; nothing when there is none.
    void SelectNode(int index);
    bool HasNodes() const;
    // The index of the selected node; -1 with none.
    int SelectedNodeIndex() const;

    // Selection changes and right clicks; true when the notification was the tree's.
    bool HandleNotify(const NMHDR& header, LRESULT& result);
    // A context menu asked for in the tree from the keyboard opens under the selected node;
    // true when it was the tree's.
    bool HandleContextMenu(HWND from, POINT screen);

private:
    HTREEITEM NodeAt(int index) const;

    HWND tree_ = nullptr;
    bool attached_ = true;
    ChangeHandler onChange_;
    MenuHandler onMenu_;
};

} // namespace tavrix::win32
