#include "app/win32/FormatTree.h"

#include "base/Dpi.h"
#include "ui/win32/ChildControl.h"

#include <commctrl.h>

#include <cstring>

namespace tavrix::win32 {

namespace {
constexpr int kIndent = 19;
} // namespace

void FormatTree::Create(HWND parent, int id) {
    tree_ = CreateChildControl({.className = WC_TREEVIEWW,
                                .exStyle = WS_EX_CLIENTEDGE,
                                .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_SHOWSELALWAYS |
                                         TVS_FULLROWSELECT | TVS_TRACKSELECT,
                                .parent = parent,
                                .id = id});
}

void FormatTree::ApplyDpi(int pixelsPerInch, HFONT font) {
    SendMessageW(tree_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(tree_, TVM_SETINDENT, static_cast<WPARAM>(ScaleByDpi(kIndent, pixelsPerInch)), 0);
}

void FormatTree::SetItemHeight(int height) {
    SendMessageW(tree_, TVM_SETITEMHEIGHT, static_cast<WPARAM>(height), 0);
}

void FormatTree::Clear() {
    SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

void FormatTree::AddNode(const std::wstring& text) {
    int index = static_cast<int>(SendMessageW(tree_, TVM_GETCOUNT, 0, 0));
    std::wstring copy = text;
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = copy.data();
    insert.item.lParam = index;
    SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
}

HTREEITEM FormatTree::NodeAt(int index) const {
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (int i = 0; item != nullptr && i < index; ++i) {
        item = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    return item;
}

void FormatTree::SetNodeText(int index, const std::wstring& text) {
    std::wstring copy = text;
    TVITEMW info{};
    info.mask = TVIF_TEXT;
    info.hItem = NodeAt(index);
    info.pszText = copy.data();
    if (info.hItem != nullptr) {
        SendMessageW(tree_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void FormatTree::SelectNode(int index) {
    HTREEITEM item = NodeAt(index);
    if (item != nullptr) {
        SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }
}

bool FormatTree::HasNodes() const {
    return SendMessageW(tree_, TVM_GETCOUNT, 0, 0) > 0;
}

int FormatTree::SelectedNodeIndex() const {
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (item == nullptr) {
        return -1;
    }
    TVITEMW info{};
    info.mask = TVIF_PARAM;
    info.hItem = item;
    SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
    return static_cast<int>(info.lParam);
}

bool FormatTree::HandleNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != tree_) {
        return false;
    }
    if (header.code == TVN_SELCHANGEDW) {
        const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
        if (attached_ && change.itemNew.hItem != nullptr && onChange_) {
            onChange_(static_cast<int>(change.itemNew.lParam));
        }
        return true;
    }
    if (header.code == NM_RCLICK) {
        // A right click selects the node under the mouse, then offers what can be done with it.
        TVHITTESTINFO hit{};
        DWORD pos = GetMessagePos();
        const POINT screen{.x = static_cast<short>(LOWORD(pos)),
                           .y = static_cast<short>(HIWORD(pos))};
        hit.pt = screen;
        ScreenToClient(tree_, &hit.pt);
        auto item = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (item != nullptr) {
            SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
            if (onMenu_) {
                onMenu_(screen);
            }
        }
        result = 1;
        return true;
    }
    return false;
}

bool FormatTree::HandleContextMenu(HWND from, POINT screen) {
    if (from != tree_) {
        return false;
    }
    if (screen.x == -1 && screen.y == -1) {
        const auto item =
            reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
        RECT rect{};
        // The item goes in where the rectangle comes back.
        std::memcpy(&rect, &item, sizeof item);
        if (item == nullptr ||
            SendMessageW(tree_, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)) == 0) {
            return true;
        }
        screen = {.x = rect.left, .y = rect.bottom};
        ClientToScreen(tree_, &screen);
    }
    if (onMenu_) {
        onMenu_(screen);
    }
    return true;
}

} // namespace tavrix::win32
