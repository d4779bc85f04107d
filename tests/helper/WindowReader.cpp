#include "WindowReader.h"

#include "base/win32/KernelHandles.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <stdexcept>

namespace cliphelper {

namespace {

// A block of memory inside the other process: the controls there fill in structures and texts
// only at addresses of their own process.
class RemoteBlock {
public:
    RemoteBlock(HWND window, std::size_t size) : size_(size) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        process_.reset(
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id));
        if (!process_) {
            throw std::runtime_error("cannot open the window's process");
        }
        address_ =
            VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (address_ == nullptr) {
            throw std::runtime_error("cannot allocate memory in the window's process");
        }
    }
    ~RemoteBlock() { VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE); }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    LPARAM At(std::size_t offset) const {
        return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
    }
    void Write(std::size_t offset, const void* data, std::size_t size) const {
        if (offset + size > size_ ||
            !WriteProcessMemory(process_.get(), static_cast<char*>(address_) + offset, data, size,
                                nullptr)) {
            throw std::runtime_error("cannot write to the window's process");
        }
    }
    void Read(std::size_t offset, void* data, std::size_t size) const {
        if (offset + size > size_ ||
            !ReadProcessMemory(process_.get(), static_cast<char*>(address_) + offset, data, size,
                               nullptr)) {
            throw std::runtime_error("cannot read from the window's process");
        }
    }

private:
    std::size_t size_;
    tavrix::win32::UniqueHandle process_;
    void* address_ = nullptr;
};

constexpr std::size_t kBlockSize = 8192;
constexpr std::size_t kTextOffset = 1024;
constexpr std::size_t kTextChars = (kBlockSize - kTextOffset) / sizeof(wchar_t);

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) {
        throw std::runtime_error("the window does not answer");
    }
    return static_cast<LRESULT>(result);
}

std::wstring ReadText(const RemoteBlock& block, std::size_t length) {
    std::wstring text(std::min(length, kTextChars - 1), L'\0');
    block.Read(kTextOffset, text.data(), text.size() * sizeof(wchar_t));
    return text.c_str(); // up to the first zero
}

std::wstring ItemText(HWND tree, const RemoteBlock& block, HTREEITEM item) {
    TVITEMW request{};
    request.mask = TVIF_TEXT | TVIF_HANDLE;
    request.hItem = item;
    request.pszText = reinterpret_cast<LPWSTR>(block.At(kTextOffset));
    request.cchTextMax = static_cast<int>(kTextChars);
    const wchar_t zero = 0;
    block.Write(kTextOffset, &zero, sizeof zero);
    block.Write(0, &request, sizeof request);
    Send(tree, TVM_GETITEMW, 0, block.At(0));
    return ReadText(block, kTextChars);
}

HTREEITEM Next(HWND tree, UINT relation, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(
        Send(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

void AddItems(HWND tree, const RemoteBlock& block, HTREEITEM item, const std::wstring& indent,
              std::vector<std::wstring>& nodes) {
    for (; item != nullptr; item = Next(tree, TVGN_NEXT, item)) {
        nodes.push_back(indent + ItemText(tree, block, item));
        AddItems(tree, block, Next(tree, TVGN_CHILD, item), indent + L"  ", nodes);
    }
}

struct ChildSearch {
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND child, LPARAM data) {
    auto& search = *reinterpret_cast<ChildSearch*>(data);
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (lstrcmpiW(name, search.className) == 0) {
        search.found = child;
        return FALSE;
    }
    return TRUE;
}

HWND ChildOfClass(HWND window, const wchar_t* className) {
    ChildSearch search{className};
    EnumChildWindows(window, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

WindowContents ReadWindowContents(HWND window) {
    WindowContents contents;
    RemoteBlock block(window, kBlockSize);
    RECT r{};
    GetClientRect(window, &r);
    contents.client = {r.right - r.left, r.bottom - r.top};
    if (HWND tree = ChildOfClass(window, WC_TREEVIEWW)) {
        GetWindowRect(tree, &r);
        contents.tree = {r.right - r.left, r.bottom - r.top};
        AddItems(tree, block, Next(tree, TVGN_ROOT, nullptr), L"", contents.nodes);
        if (HTREEITEM selected = Next(tree, TVGN_CARET, nullptr)) {
            contents.selected = ItemText(tree, block, selected);
        }
    }
    if (HWND status = ChildOfClass(window, STATUSCLASSNAMEW)) {
        const auto parts = static_cast<int>(Send(status, SB_GETPARTS, 0, block.At(0)));
        for (int i = 0; i < parts; ++i) {
            const auto part = static_cast<WPARAM>(i);
            const auto length =
                static_cast<std::size_t>(LOWORD(Send(status, SB_GETTEXTLENGTHW, part, 0)));
            if (length >= kTextChars) { // the control writes the whole text, unbounded
                contents.panels.push_back(L"<" + std::to_wstring(length) + L" characters>");
                continue;
            }
            const wchar_t zero = 0;
            block.Write(kTextOffset, &zero, sizeof zero);
            Send(status, SB_GETTEXTW, part, block.At(kTextOffset));
            contents.panels.push_back(ReadText(block, length));
        }
        if (Send(status, SB_ISSIMPLE, 0, 0) != FALSE) {
            const auto length =
                static_cast<std::size_t>(LOWORD(Send(status, SB_GETTEXTLENGTHW, SB_SIMPLEID, 0)));
            if (length < kTextChars) {
                const wchar_t zero = 0;
                block.Write(kTextOffset, &zero, sizeof zero);
                Send(status, SB_GETTEXTW, SB_SIMPLEID, block.At(kTextOffset));
                contents.message = ReadText(block, length);
            }
        }
    }
    return contents;
}

TreeItems ReadTreeItems(HWND window) {
    TreeItems tree;
    tree.tree = ChildOfClass(window, WC_TREEVIEWW);
    if (tree.tree == nullptr) {
        return tree;
    }
    RemoteBlock block(window, kBlockSize);
    for (HTREEITEM item = Next(tree.tree, TVGN_ROOT, nullptr); item != nullptr;
         item = Next(tree.tree, TVGN_NEXT, item)) {
        tree.items.push_back(item);
        tree.texts.push_back(ItemText(tree.tree, block, item));
    }
    tree.selected = Next(tree.tree, TVGN_CARET, nullptr);
    return tree;
}

} // namespace cliphelper
